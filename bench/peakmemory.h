#pragma once

#include <QStringList>

// The peak memory of a command, measured as /usr/bin/time measures it. A child's peak resident
// set counts whatever its parent held when it was forked, so the benchmark, which holds large
// configurations, runs the command through a fresh copy of itself started with
// peak_memory_option: that copy forks the command while it is still small.
constexpr const char* peak_memory_option = "--peak-memory-of";

// In the fresh copy: runs command (a program path and its arguments, output discarded), prints
// its peak resident set in bytes and returns 0, or 1 when it could not run or failed.
int report_peak_memory(char** command);

// In the benchmark: the peak resident set of the command in bytes, or -1.
qint64 peak_memory_of(const QStringList& command);
