#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <vector>

// A goal is a ratio of two cases of the same run: numerator / denominator must stay at or
// below the limit (or at or above it, for speed-ups). Each group of cases adds its own.
struct Goal
{
    std::string description;
    std::string numerator;
    std::string denominator;
    double limit = 1.0;
    bool at_least = false;
};

void add_goal(const Goal& goal);

// A goal on one case's counters: numerator / denominator must stay at or below the limit.
struct CounterGoal
{
    std::string description;
    std::string case_name;
    std::string numerator;
    std::string denominator;
    double limit = 1.0;
};

void add_goal(const CounterGoal& goal);

// The console output as usual, and the time per iteration of every case kept by name so the
// goals can be judged once the run is over.
class GoalReporter : public benchmark::ConsoleReporter
{
public:
    // Colours only on a terminal, so a saved run reads as plain text.
    GoalReporter();
    void ReportRuns(const std::vector<Run>& runs) override;
    // One line per goal whose two cases both ran.
    void report_goals(std::ostream& out) const;
    // Whether a case stopped with an error.
    bool failed() const { return errors > 0; }

private:
    std::map<std::string, double> seconds;
    // The counters of every case, by case name and counter name.
    std::map<std::string, std::map<std::string, double>> counters;
    int errors = 0;
};
