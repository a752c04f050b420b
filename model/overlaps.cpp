#include "model/overlaps.h"

#include "model/realtext.h"
#include "model/spacingsystem.h"
#include "model/vehicleclassifier.h"

#include <algorithm>
#include <cmath>

namespace {

// Both rules' gaps and spans as one system; each axle placed at a short decimal spacing.
QVector<double> solve(const MatchRule& a, const MatchRule& b)
{
    SpacingSystem system(a.axles());
    system.add(a);
    system.add(b);
    if (!system.close())
        return {};
    return system.place(SpacingSystem::simplest);
}

// Each gap's common range read alone: enough when neither rule has a span.
QVector<double> per_gap(const MatchRule& a, const MatchRule& b)
{
    QVector<double> spacings;
    for (int i = 0; i + 1 < a.axles(); ++i)
        spacings.append(simplest_decimal({std::max(a.gap_min(i), b.gap_min(i)),
                                          std::min(a.gap_max(i), b.gap_max(i)), false, false}));
    return spacings;
}

bool gaps_meet(const MatchRule& a, const MatchRule& b)
{
    for (int i = 0; i + 1 < a.axles(); ++i) {
        if (std::max(a.gap_min(i), b.gap_min(i)) > std::min(a.gap_max(i), b.gap_max(i)))
            return false;
    }
    return true;
}

} // namespace

OverlapReport find_overlaps(const VehicleClassifier& classifier)
{
    OverlapReport report;
    report.invalid_skipped = classifier.invalid_skipped();
    const QVector<MatchRule>& rules = classifier.rules();

    // Rules of one axle count by the start of their first gap: a rule whose first gap starts
    // after another's first gap ends cannot overlap it, nor can any after it.
    QVector<int> order(rules.size());
    for (int i = 0; i < order.size(); ++i)
        order[i] = i;
    std::sort(order.begin(), order.end(), [&rules](int x, int y) {
        const MatchRule &a = rules.at(x), &b = rules.at(y);
        if (a.axles() != b.axles())
            return a.axles() < b.axles();
        return a.gap_min(0) < b.gap_min(0);
    });
    for (int i = 0; i < order.size(); ++i) {
        const MatchRule& first = rules.at(order.at(i));
        for (int j = i + 1; j < order.size(); ++j) {
            const MatchRule& second = rules.at(order.at(j));
            if (second.axles() != first.axles() || second.gap_min(0) > first.gap_max(0))
                break;
            if (!gaps_meet(first, second))
                continue;
            const bool plain = first.spans().isEmpty() && second.spans().isEmpty();
            QVector<double> witness = plain ? per_gap(first, second) : solve(first, second);
            if (witness.isEmpty())
                continue;
            const MatchRule& a = first.number() < second.number() ? first : second;
            const MatchRule& b = first.number() < second.number() ? second : first;
            bool tyres_differ = false;
            for (int axle = 0; axle < a.axles(); ++axle)
                tyres_differ = tyres_differ || a.tyre(axle) != b.tyre(axle);
            report.overlaps.append({a.number(), b.number(), a.axles(), tyres_differ, witness});
        }
    }
    std::sort(
        report.overlaps.begin(), report.overlaps.end(),
        [](const Overlap& x, const Overlap& y) { return x.a != y.a ? x.a < y.a : x.b < y.b; });
    return report;
}

OverlapReport find_overlaps(const Conf& conf)
{
    return find_overlaps(VehicleClassifier(conf));
}
