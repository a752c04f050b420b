#pragma once

#include <QVector>
#include <QtGlobal>

#include <optional>

class Conf;
class VehicleSample;

// What the spacing chart draws, in metres: for one axle count, a row per gap holding a bar per
// subclass of that count from its minimum to its maximum spacing. Bars that share a spacing
// stand in different lanes, so overlaps stack; holes are the spacings within the axis that no
// valid subclass covers; with measured vehicles, a histogram of their spacings on that gap.
class SpacingChartModel
{
public:
    struct Bar
    {
        quint32 subclass = 0;
        double from = 0;
        double to = 0;
        int lane = 0;
        bool valid = true; // invalid subclasses are drawn but never match
        bool current = false;
    };
    struct Stretch
    {
        double from = 0;
        double to = 0;
    };
    struct Row
    {
        QVector<Bar> bars; // by lane, then by spacing
        int lanes = 0;
        // Uncovered spacings (open where a bar ends) and spacings two or more valid bars
        // cover; an overlap may be a single point.
        QVector<Stretch> holes;
        QVector<Stretch> overlaps;
        QVector<int> histogram; // vehicles per bin; empty without vehicles
    };

    static constexpr int histogram_bins = 60;

    // The chart of the current subclass's axle count; without a current subclass with a valid
    // axle count, a chart of no rows.
    static SpacingChartModel build(const Conf& conf, std::optional<quint32> current,
                                   const VehicleSample* vehicles);

    int axles = 0;
    // The header's axle-distance range, or the bars' when the header has none.
    double axis_from = 0;
    double axis_to = 1;
    bool axis_from_header = false;
    QVector<Row> rows;
    qint64 vehicles_drawn = 0; // measured vehicles of this axle count

    // The subclass whose bar in a row's lane covers a spacing, or lies within tolerance of it.
    std::optional<quint32> bar_at(int row, int lane, double spacing, double tolerance = 0) const;
    // Marks another subclass of the same axle count as the current one.
    void set_current(quint32 subclass);
};
