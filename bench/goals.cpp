#include "goals.h"

#include <iomanip>

#include <unistd.h>

namespace {

std::vector<Goal>& goals()
{
    static std::vector<Goal> list;
    return list;
}

} // namespace

void add_goal(const Goal& goal)
{
    goals().push_back(goal);
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
        if (!header) {
            out << "\nGoals (ratios of this run):\n";
            header = true;
        }
        const double ratio = numerator->second / denominator->second;
        const bool met = goal.at_least ? ratio >= goal.limit : ratio <= goal.limit;
        out << "  " << (met ? "met   " : "MISSED") << "  " << goal.description << ": "
            << goal.numerator << " / " << goal.denominator << " = " << std::fixed
            << std::setprecision(2) << ratio << (goal.at_least ? " (at least " : " (at most ")
            << goal.limit << ")\n";
    }
}
