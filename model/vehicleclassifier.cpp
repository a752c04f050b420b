#include "model/vehicleclassifier.h"

#include "model/conf.h"

#include <cmath>

namespace {

constexpr int bins_per_group = 64;

} // namespace

VehicleClassifier::VehicleClassifier(const Conf& conf) : groups(VehicleRecord::max_axles + 1)
{
    const QString header_min = conf.get_min_axle_distance__m();
    const QString header_max = conf.get_max_axle_distance__m();
    for (quint32 number : conf.get_subclass_numbers()) {
        const Subclass& subclass = conf.get_subclass(number);
        if (subclass.is_subclass_valid(header_min, header_max))
            all_rules.append(MatchRule(subclass));
        else
            invalid.append(number);
    }

    for (int axles = 2; axles <= VehicleRecord::max_axles; ++axles) {
        Group& group = groups[axles];
        double low = INFINITY, high = -INFINITY;
        for (const MatchRule& rule : all_rules) {
            if (rule.axles() == axles) {
                low = qMin(low, double(rule.gap_min(0)));
                high = qMax(high, double(rule.gap_max(0)));
            }
        }
        if (low > high)
            continue;
        group.from = low;
        group.scale = high > low ? bins_per_group / (high - low) : 0;
        group.bins.resize(bins_per_group);
        // A rule sits in every bin its first gap reaches: since bin_of never decreases with the
        // spacing, a spacing within the gap falls into one of them.
        for (int r = 0; r < all_rules.size(); ++r) {
            const MatchRule& rule = all_rules.at(r);
            if (rule.axles() != axles)
                continue;
            for (int bin = bin_of(group, rule.gap_min(0)); bin <= bin_of(group, rule.gap_max(0));
                 ++bin)
                group.bins[bin].append(r);
        }
    }
}

int VehicleClassifier::bin_of(const Group& group, float spacing) const
{
    const double position = std::floor((double(spacing) - group.from) * group.scale);
    if (!(position > 0))
        return 0;
    return position >= bins_per_group ? bins_per_group - 1 : int(position);
}

void VehicleClassifier::try_rule(int rule, const VehicleRecord& vehicle,
                                 VehicleOutcome& outcome) const
{
    const MatchRule& candidate = all_rules.at(rule);
    if (!candidate.matches(vehicle))
        return;
    outcome.candidates.append(candidate.number());
    if (candidate.over_limits(vehicle))
        outcome.over_limits.append(candidate.number());
}

void VehicleClassifier::classify(const VehicleRecord& vehicle, VehicleOutcome& outcome) const
{
    outcome.clear();
    if (vehicle.axles < 2 || vehicle.axles > VehicleRecord::max_axles)
        return;
    const Group& group = groups.at(vehicle.axles);
    if (group.bins.isEmpty())
        return;
    // The bins hold rules in ascending order, so the candidates come out ascending.
    for (int rule : group.bins.at(bin_of(group, vehicle.spacing[0])))
        try_rule(rule, vehicle, outcome);
}

void VehicleClassifier::classify_plainly(const VehicleRecord& vehicle,
                                         VehicleOutcome& outcome) const
{
    outcome.clear();
    for (int rule = 0; rule < all_rules.size(); ++rule)
        try_rule(rule, vehicle, outcome);
}

QVector<NotApplied> VehicleClassifier::not_applied() const
{
    QVector<NotApplied> all;
    for (const MatchRule& rule : all_rules)
        all += rule.not_applied();
    return all;
}
