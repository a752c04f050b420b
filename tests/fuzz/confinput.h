#pragma once

#include <QByteArray>

// Reads the bytes as a configuration file and runs everything the editor and the checker do
// with one: writing, the checks before saving, every rule and the per-axle reads. Shared by
// the fuzzer and the test that replays its seed corpus.
void load_and_check(const QByteArray& bytes);
