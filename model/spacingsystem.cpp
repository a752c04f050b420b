#include "model/spacingsystem.h"

#include "model/matchrule.h"

#include <algorithm>
#include <cmath>

SpacingSystem::SpacingSystem(int axles) : axle_count(std::clamp(axles, 0, VehicleRecord::max_axles))
{
    for (int i = 0; i < VehicleRecord::max_axles; ++i) {
        bound[i].fill(INFINITY);
        bound[i][i] = 0;
    }
}

void SpacingSystem::tighten(int from, int to, double limit)
{
    bound[from][to] = std::min(bound[from][to], limit);
}

void SpacingSystem::add(const MatchRule& rule)
{
    for (int i = 0; i + 1 < axle_count; ++i) {
        tighten(i, i + 1, rule.gap_max(i));
        tighten(i + 1, i, -double(rule.gap_min(i)));
    }
    for (const MatchRule::Span& span : rule.spans()) {
        if (span.last < axle_count) {
            tighten(span.first, span.last, span.max);
            tighten(span.last, span.first, -double(span.min));
        }
    }
}

bool SpacingSystem::close()
{
    const int n = axle_count;
    for (int k = 0; k < n; ++k)
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j)
                bound[i][j] = std::min(bound[i][j], bound[i][k] + bound[k][j]);
    for (int i = 0; i < n; ++i) {
        if (bound[i][i] < 0)
            return false;
    }
    return true;
}

QVector<double> SpacingSystem::place(const std::function<double(const RealRange&)>& choose) const
{
    // In a closed system any placement of some axles that keeps the bounds among them leaves
    // the others a non-empty range, so each axle needs only the ones before it.
    QVector<double> spacings;
    std::array<double, VehicleRecord::max_axles> position{};
    for (int k = 1; k < axle_count; ++k) {
        double low = -INFINITY, high = INFINITY;
        for (int j = 0; j < k; ++j) {
            low = std::max(low, position[j] - bound[k][j]);
            high = std::min(high, position[j] + bound[j][k]);
        }
        // Positions are sums of written spacings, so a range pinned to one value by a combined
        // constraint can come out a rounding error inside out.
        if (low > high)
            low = high = low / 2 + high / 2;
        const double spacing =
            choose({low - position[k - 1], high - position[k - 1], false, false});
        if (std::isnan(spacing))
            return {};
        spacings.append(spacing);
        position[k] = position[k - 1] + spacing;
    }
    return spacings;
}

double SpacingSystem::simplest(const RealRange& range)
{
    // A range a constraint pins to one single-precision value may hold no shorter decimal whose
    // value lies inside, but one whose reading does; failing both, the nearest such reading
    // still gives a vehicle, off by no more than a rounding error.
    const double exact = simplest_exact_decimal(range);
    if (!std::isnan(exact))
        return exact;
    const double read = simplest_decimal(range);
    return std::isnan(read) ? float_text(float(range.from / 2 + range.to / 2)).toDouble() : read;
}
