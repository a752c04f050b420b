#include "ui/spacingchartmodel.h"

#include "model/conf.h"
#include "model/vehiclesample.h"

#include <QtNumeric>

#include <algorithm>
#include <vector>

namespace {

bool readLength(const QString& text, double& value)
{
    bool ok = false;
    const float read = text.toFloat(&ok);
    value = read;
    return ok && qIsFinite(read);
}

// Lanes in the order of the bars' starts: a bar takes the first lane whose last bar ends
// before it starts, so bars that touch stack too.
int assignLanes(QVector<SpacingChartModel::Bar>& bars)
{
    std::sort(bars.begin(), bars.end(), [](const auto& x, const auto& y) {
        return std::tie(x.from, x.to, x.subclass) < std::tie(y.from, y.to, y.subclass);
    });
    QVector<double> laneEnds;
    for (SpacingChartModel::Bar& bar : bars) {
        const auto free = std::find_if(laneEnds.begin(), laneEnds.end(),
                                       [&](double end) { return end < bar.from; });
        bar.lane = int(free - laneEnds.begin());
        if (free == laneEnds.end())
            laneEnds.append(bar.to);
        else
            *free = bar.to;
    }
    std::stable_sort(bars.begin(), bars.end(),
                     [](const auto& x, const auto& y) { return x.lane < y.lane; });
    return laneEnds.size();
}

// The stretches within the axis that no valid bar covers, and those two or more cover.
void findHolesAndOverlaps(SpacingChartModel::Row& row, double from, double to)
{
    QVector<SpacingChartModel::Stretch> valid;
    for (const SpacingChartModel::Bar& bar : row.bars) {
        if (bar.valid)
            valid.append({bar.from, bar.to});
    }
    std::sort(valid.begin(), valid.end(),
              [](const auto& x, const auto& y) { return x.from < y.from; });

    double reach = from;
    for (const auto& bar : valid) {
        if (bar.from > reach && reach < to)
            row.holes.append({reach, std::min(bar.from, to)});
        reach = std::max(reach, bar.to);
    }
    if (reach < to)
        row.holes.append({reach, to});

    // Ends are closed: at one spacing, starts count before ends, so bars that touch overlap
    // at that point.
    QVector<QPair<double, int>> events;
    for (const auto& bar : valid)
        events << qMakePair(bar.from, -1) << qMakePair(bar.to, 1);
    std::sort(events.begin(), events.end());
    int depth = 0;
    double start = 0;
    for (const auto& [x, kind] : events) {
        depth -= kind;
        if (kind < 0 && depth == 2) {
            start = x;
        } else if (kind > 0 && depth == 1) {
            if (!row.overlaps.isEmpty() && row.overlaps.last().to >= start)
                row.overlaps.last().to = x;
            else
                row.overlaps.append({start, x});
        }
    }
}

} // namespace

SpacingChartModel SpacingChartModel::build(const Conf& conf, std::optional<quint32> current,
                                           const VehicleSample* vehicles)
{
    SpacingChartModel model;
    if (!current || !conf.has_subclass(*current))
        return model;
    const Subclass& shown = conf.get_subclass(*current);
    if (!shown.is_number_of_axles_valid())
        return model;
    model.axles = shown.get_number_of_axles().toInt();
    const int gaps = model.axles - 1;
    model.rows.resize(gaps);

    const QString headerMin = conf.get_min_axle_distance__m();
    const QString headerMax = conf.get_max_axle_distance__m();
    double low = 0, high = 0;
    model.axis_from_header =
        readLength(headerMin, low) && readLength(headerMax, high) && low < high;

    double barsFrom = qInf(), barsTo = -qInf();
    std::vector<QVector<Bar>> bars(gaps);
    for (quint32 number : conf.get_subclass_numbers()) {
        const Subclass& subclass = conf.get_subclass(number);
        if (subclass.get_number_of_axles().toInt() != model.axles ||
            !subclass.is_number_of_axles_valid())
            continue;
        const bool valid = subclass.is_subclass_valid(headerMin, headerMax);
        for (int gap = 0; gap < gaps; ++gap) {
            Bar bar{number, 0, 0, 0, valid, number == *current};
            if (!readLength(subclass.get_min_distances().value(gap), bar.from) ||
                !readLength(subclass.get_max_distances().value(gap), bar.to) || bar.from > bar.to)
                continue;
            barsFrom = std::min(barsFrom, bar.from);
            barsTo = std::max(barsTo, bar.to);
            bars[gap].append(bar);
        }
    }
    if (model.axis_from_header) {
        model.axis_from = low;
        model.axis_to = high;
    } else if (barsFrom <= barsTo) {
        model.axis_from = barsFrom;
        model.axis_to = barsTo > barsFrom ? barsTo : barsFrom + 1;
    }

    for (int gap = 0; gap < gaps; ++gap) {
        Row& row = model.rows[gap];
        row.bars = bars[gap];
        row.lanes = assignLanes(row.bars);
        findHolesAndOverlaps(row, model.axis_from, model.axis_to);
    }
    if (!vehicles)
        return model;

    const double width = model.axis_to - model.axis_from;
    for (Row& row : model.rows)
        row.histogram.fill(0, histogram_bins);
    for (const VehicleRecord& vehicle : vehicles->records()) {
        if (vehicle.axles != model.axles)
            continue;
        ++model.vehicles_drawn;
        for (int gap = 0; gap < gaps; ++gap) {
            const double spacing = vehicle.spacing[gap];
            if (spacing < model.axis_from || spacing > model.axis_to)
                continue;
            const int bin = int((spacing - model.axis_from) / width * histogram_bins);
            ++model.rows[gap].histogram[std::min(bin, histogram_bins - 1)];
        }
    }
    return model;
}

std::optional<quint32> SpacingChartModel::bar_at(int row, int lane, double spacing,
                                                 double tolerance) const
{
    if (row < 0 || row >= rows.size())
        return std::nullopt;
    for (const Bar& bar : rows.at(row).bars) {
        if (bar.lane == lane && bar.from - tolerance <= spacing && spacing <= bar.to + tolerance)
            return bar.subclass;
    }
    return std::nullopt;
}

void SpacingChartModel::set_current(quint32 subclass)
{
    for (Row& row : rows) {
        for (Bar& bar : row.bars)
            bar.current = bar.subclass == subclass;
    }
}
