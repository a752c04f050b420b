#pragma once

#include <QList>
#include <QVector>

class Conf;
class VehicleClassifier;

// Two valid subclasses of the same axle count that one vehicle can match both: some spacing
// vector lies within every gap range and every combined distance constraint of both.
struct Overlap
{
    quint32 a = 0; // a < b
    quint32 b = 0;
    int axles = 0;
    // Then only a site that measures tyre types tells the two apart.
    bool tyres_differ = false;
    // The spacings of a vehicle that matches both, in metres, each the double nearest to a
    // short decimal.
    QVector<double> witness;
};

struct OverlapReport
{
    QVector<Overlap> overlaps; // ascending by a, then b
    QList<quint32> invalid_skipped;
};

// Exact: where combined distance constraints take part, the spacings form a system of
// difference constraints on the axle positions, solved by shortest paths.
OverlapReport find_overlaps(const VehicleClassifier& classifier);
OverlapReport find_overlaps(const Conf& conf);
