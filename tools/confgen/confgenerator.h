#pragma once

#include <QString>

#include <cstdint>

// Writes large, realistic configuration files for benchmarks and stress tests: 2 to 20 axles,
// valid axle configurations, plausible distances and weights, combined constraints and totals,
// reclassification targets, and a share of exact duplicates placed far apart.
// The same options always give the same text.
struct ConfGeneratorOptions
{
    int subclasses = 1000;
    std::uint64_t seed = 1;
    double duplicate_share = 0.02;
};

QString generate_configuration(const ConfGeneratorOptions& options);
