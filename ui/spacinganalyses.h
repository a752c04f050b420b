#pragma once

#include "model/coveragegaps.h"
#include "model/overlaps.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QVector>

class Conf;

// The analyses that look only at the spacings of valid subclasses (overlapping pairs and
// coverage gaps), kept from one run to the next while those spacings stay as they were: most
// edits change a weight, a category or a name, and on a large table these two analyses cost
// far more than all the others together.
class SpacingAnalyses
{
public:
    // Runs both again unless the header's axle-distance range and every valid subclass's axle
    // count, gap ranges, tyre types and combined distance constraints are what they were.
    // invalid: the numbers of the invalid subclasses, ascending. gapRegions: where the search
    // for uncovered regions stops.
    void update(const Conf& conf, const QList<quint32>& invalid, int gapRegions);

    const OverlapReport& overlaps() const { return overlapReport; }
    const CoverageReport& gaps() const { return coverageReport; }

private:
    // What the two analyses read of a subclass; the lists stay shared with the record, so
    // comparing an unchanged one costs next to nothing.
    struct Spacings
    {
        quint32 number = 0;
        QString axles;
        QStringList mins;
        QStringList maxs;
        QStringList tyres;
        QStringList distanceConstraints; // adsl_0 first
        bool operator==(const Spacings& other) const;
    };

    QVector<Spacings> read;
    QString headerRange;
    bool ran = false;
    OverlapReport overlapReport;
    CoverageReport coverageReport;
};
