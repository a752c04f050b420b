#include "model/coveragegaps.h"

#include "model/conf.h"
#include "model/spacingsystem.h"
#include "model/vehicleclassifier.h"

#include <algorithm>
#include <cmath>

namespace {

// Pieces looked at, times the subclasses judged on each: bounds the work on tables whose
// regions would be countless.
constexpr qint64 work_limit = 500'000'000;
const double thin_width = double(0.0101f);

// Cuts the header's range on one gap after another at the ends of the subclasses' gap ranges.
// A piece that no subclass covers is a region, with the whole range on every later gap; a
// piece covered by some goes on to the next gap with just those subclasses.
class Sweep
{
public:
    Sweep(const QVector<const MatchRule*>& rules, float low, float high, int region_limit,
          CoverageReport& report)
        : rules(rules), low(low), high(high), region_limit(region_limit), report(report),
          gaps(rules.first()->axles() - 1)
    {
    }

    void run(int gap, const QVector<int>& covering);

private:
    struct Piece
    {
        RealRange range;
        QVector<int> covering;
    };

    QVector<Piece> pieces(int gap, const QVector<int>& covering);
    void emit(const RealRange& range);

    const QVector<const MatchRule*>& rules;
    const float low;
    const float high;
    const int region_limit;
    CoverageReport& report;
    const int gaps;
    QVector<RealRange> prefix;
    qint64 work = 0;
};

QVector<Sweep::Piece> Sweep::pieces(int gap, const QVector<int>& covering)
{
    QVector<float> ends = {low, high};
    for (int r : covering)
        ends << std::clamp(rules.at(r)->gap_min(gap), low, high)
             << std::clamp(rules.at(r)->gap_max(gap), low, high);
    std::sort(ends.begin(), ends.end());
    ends.erase(std::unique(ends.begin(), ends.end()), ends.end());

    QVector<Piece> merged;
    const auto add = [&](const RealRange& range, QVector<int>&& by) {
        work += covering.size() + 1;
        // Neighbouring pieces covered by the same subclasses make one.
        if (!merged.isEmpty() && merged.last().covering == by) {
            merged.last().range.to = range.to;
            merged.last().range.to_open = range.to_open;
        } else {
            merged.append({range, std::move(by)});
        }
    };
    for (int k = 0; k < ends.size(); ++k) {
        const float at = ends.at(k);
        QVector<int> by;
        for (int r : covering) {
            if (rules.at(r)->gap_min(gap) <= at && at <= rules.at(r)->gap_max(gap))
                by.append(r);
        }
        add({at, at, false, false}, std::move(by));
        if (k + 1 == ends.size())
            break;
        const float next = ends.at(k + 1);
        // Between two neighbouring single-precision reals no vehicle can lie.
        if (std::nextafter(at, next) == next)
            continue;
        QVector<int> between;
        for (int r : covering) {
            if (rules.at(r)->gap_min(gap) <= at && next <= rules.at(r)->gap_max(gap))
                between.append(r);
        }
        add({at, next, true, true}, std::move(between));
    }
    return merged;
}

void Sweep::emit(const RealRange& range)
{
    if (report.uncovered.size() >= region_limit) {
        report.truncated = true;
        return;
    }
    UncoveredRegion region;
    region.axles = gaps + 1;
    region.gaps = prefix;
    region.gaps.append(range);
    while (region.gaps.size() < gaps)
        region.gaps.append({low, high, false, false});
    for (const RealRange& on_gap : region.gaps)
        region.witness.append(simplest_decimal(on_gap));
    report.uncovered.append(region);
}

void Sweep::run(int gap, const QVector<int>& covering)
{
    for (const Piece& piece : pieces(gap, covering)) {
        if (report.truncated)
            return;
        if (work > work_limit) {
            report.truncated = true;
            return;
        }
        if (piece.covering.isEmpty()) {
            emit(piece.range);
        } else if (gap + 1 < gaps) {
            prefix.append(piece.range);
            run(gap + 1, piece.covering);
            prefix.removeLast();
        }
    }
}

// Whether a gap range [min, max] shares a spacing with the range.
bool meets(const RealRange& range, float min, float max)
{
    const bool above = range.from_open ? max > range.from : max >= range.from;
    const bool below = range.to_open ? min < range.to : min <= range.to;
    return above && below;
}

// Whether the widest uncovered stretch through the region along some gap, all else kept, is
// at most a centimetre: a region the sweep cut thin beside wider uncovered ones is no slip.
bool is_thin(const UncoveredRegion& region, const QVector<const MatchRule*>& rules, float low,
             float high)
{
    const int gaps = region.gaps.size();
    QVector<double> below(gaps), above(gaps);
    for (int g = 0; g < gaps; ++g) {
        below[g] = low;
        above[g] = high;
    }
    for (const MatchRule* rule : rules) {
        // A subclass that meets the region on every gap but one bounds it along that one.
        int apart = -1;
        for (int g = 0; g < gaps; ++g) {
            if (meets(region.gaps.at(g), rule->gap_min(g), rule->gap_max(g)))
                continue;
            if (apart >= 0) {
                apart = -2;
                break;
            }
            apart = g;
        }
        if (apart < 0)
            continue;
        const RealRange& range = region.gaps.at(apart);
        if (rule->gap_max(apart) <= range.from)
            below[apart] = std::max(below[apart], double(rule->gap_max(apart)));
        else
            above[apart] = std::min(above[apart], double(rule->gap_min(apart)));
    }
    for (int g = 0; g < gaps; ++g) {
        if (above[g] - below[g] <= thin_width)
            return true;
    }
    return false;
}

} // namespace

CoverageReport find_gaps(const Conf& conf, int region_limit)
{
    CoverageReport report;
    if (conf.check_max_axle_distance() == Conf::MaxAxleDistance::invalid) {
        report.problem = QStringLiteral("the header's axle-distance range is not usable: "
                                        "min_axle_distance__m is \"%1\", max_axle_distance__m "
                                        "is \"%2\"")
                             .arg(conf.get_min_axle_distance__m(), conf.get_max_axle_distance__m());
        return report;
    }
    const float low = conf.get_min_axle_distance__m().toFloat();
    const float high = conf.get_max_axle_distance__m().toFloat();
    const VehicleClassifier classifier(conf);
    report.invalid_skipped = classifier.invalid_skipped();

    QMap<int, QVector<const MatchRule*>> by_axles;
    for (const MatchRule& rule : classifier.rules()) {
        by_axles[rule.axles()].append(&rule);
        if (rule.spans().isEmpty())
            continue;
        report.narrowed[rule.axles()].append(rule.number());
        SpacingSystem system(rule.axles());
        system.add(rule);
        if (!system.close())
            report.unreachable.append(rule.number());
    }
    if (by_axles.isEmpty())
        return report;
    for (int axles = 2; axles < by_axles.lastKey(); ++axles) {
        if (!by_axles.contains(axles))
            report.missing_axle_counts.append(axles);
    }
    for (const QVector<const MatchRule*>& rules : qAsConst(by_axles)) {
        QVector<int> all(rules.size());
        for (int i = 0; i < all.size(); ++i)
            all[i] = i;
        const int first = report.uncovered.size();
        Sweep(rules, low, high, region_limit, report).run(0, all);
        for (int r = first; r < report.uncovered.size(); ++r)
            report.uncovered[r].thin = is_thin(report.uncovered.at(r), rules, low, high);
        if (report.truncated)
            break;
    }
    return report;
}
