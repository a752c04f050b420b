#include "goals.h"

#include <iomanip>

#include <unistd.h>

namespace {

std::vector<Goal>& goals()
{
    static std::vector<Goal> list;
    return list;
}

std::vector<CounterGoal>& counter_goals()
{
    static std::vector<CounterGoal> list;
    return list;
}

void print_goal(std::ostream& out, bool& header, const std::string& description,
                const std::string& numerator, const std::string& denominator, double ratio,
                double limit, bool at_least)
{
    if (!header) {
        out << "\nGoals (ratios of this run):\n";
        header = true;
    }
    const bool met = at_least ? ratio >= limit : ratio <= limit;
    out << "  " << (met ? "met   " : "MISSED") << "  " << description << ": " << numerator << " / "
        << denominator << " = " << std::fixed << std::setprecision(2) << ratio
        << (at_least ? " (at least " : " (at most ") << limit << ")\n";
}

} // namespace

void add_goal(const Goal& goal)
{
    goals().push_back(goal);
}

void add_goal(const CounterGoal& goal)
{
    counter_goals().push_back(goal);
}

GoalReporter::GoalReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular)
{
}

void GoalReporter::ReportRuns(const std::vector<Run>& runs)
{
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        if (run.error_occurred)
            ++errors;
        if (run.error_occurred || run.run_type != Run::RT_Iteration || run.iterations == 0)
            continue;
        seconds[run.benchmark_name()] = run.cpu_accumulated_time / double(run.iterations);
        for (const auto& [name, counter] : run.counters)
            counters[run.benchmark_name()][name] = counter.value;
    }
}

void GoalReporter::report_goals(std::ostream& out) const
{
    bool header = false;
    for (const Goal& goal : goals()) {
        const auto numerator = seconds.find(goal.numerator);
        const auto denominator = seconds.find(goal.denominator);
        if (numerator == seconds.end() || denominator == seconds.end() ||
            denominator->second <= 0.0)
            continue;
        print_goal(out, header, goal.description, goal.numerator, goal.denominator,
                   numerator->second / denominator->second, goal.limit, goal.at_least);
    }
    for (const CounterGoal& goal : counter_goals()) {
        const auto found = counters.find(goal.case_name);
        if (found == counters.end())
            continue;
        const auto numerator = found->second.find(goal.numerator);
        const auto denominator = found->second.find(goal.denominator);
        if (numerator == found->second.end() || denominator == found->second.end() ||
            denominator->second <= 0.0)
            continue;
        print_goal(out, header, goal.description, goal.case_name + " " + goal.numerator,
                   goal.denominator, numerator->second / denominator->second, goal.limit, false);
    }
}
