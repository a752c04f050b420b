#pragma once

#include <QStringList>

// The table analyses, each given the arguments after its name; each returns the exit status.
int run_overlaps(const QStringList& arguments);
int run_gaps(const QStringList& arguments);
int run_classify(const QStringList& arguments);
int run_diff(const QStringList& arguments);
