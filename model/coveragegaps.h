#pragma once

#include "model/realtext.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QVector>

class Conf;

// A box of spacings, one range per gap, that no valid subclass covers.
struct UncoveredRegion
{
    int axles = 0;
    QVector<RealRange> gaps;
    // The spacings of a vehicle inside the region, each the double nearest to a short decimal.
    QVector<double> witness;
    // At most 1 cm wide on some gap (0.0101 m or less as read): likely a slip.
    bool thin = false;
};

struct CoverageReport
{
    // From 2 to the largest axle count of a valid subclass, the counts no valid subclass has.
    QVector<int> missing_axle_counts;
    // Per axle count that has subclasses, the regions inside the header's axle-distance range
    // on every gap that no valid subclass's gap ranges cover: disjoint, and together exactly the
    // uncovered spacings a vehicle file can hold.
    QVector<UncoveredRegion> uncovered;
    // Combined distance constraints narrow a subclass below its gap ranges, leaving spacings
    // uncovered that the regions do not show: the subclasses they apply to, by axle count.
    QMap<int, QList<quint32>> narrowed;
    // Valid subclasses that no vehicle can match: their combined distance constraints leave no
    // spacing within their gap ranges.
    QList<quint32> unreachable;
    QList<quint32> invalid_skipped;
    // More regions than the limit, or more work than a table of this kind should need.
    bool truncated = false;
    // Set when the header gives no usable axle-distance range; nothing else is then filled.
    QString problem;
};

constexpr int default_region_limit = 10000;

CoverageReport find_gaps(const Conf& conf, int region_limit = default_region_limit);
