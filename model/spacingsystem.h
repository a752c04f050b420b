#pragma once

#include "model/realtext.h"
#include "model/vehiclerecord.h"

#include <QVector>

#include <array>
#include <functional>

class MatchRule;

// The gap ranges and combined distance constraints of one or more subclasses of the same axle
// count, as a system of difference constraints on the axle positions: each bounds how far one
// axle may lie behind another. Closed by shortest paths, it says exactly whether some spacings
// satisfy all of it, and gives them axle by axle.
class SpacingSystem
{
public:
    explicit SpacingSystem(int axles);

    void add(const MatchRule& rule);
    // False when no spacings satisfy the system.
    bool close();
    // Places the axles front to back: choose is given the range the spacing to the next axle
    // may take, given those already placed, and returns a spacing inside it (NaN when it finds
    // none). Empty when some spacing could not be chosen. Only after close() succeeded.
    QVector<double> place(const std::function<double(const RealRange&)>& choose) const;
    // The chooser of the simplest decimal spacing; never NaN.
    static double simplest(const RealRange& range);

private:
    void tighten(int from, int to, double bound);

    int axle_count;
    // bound[i][j]: the largest x_j - x_i, x being the axle positions.
    std::array<std::array<double, VehicleRecord::max_axles>, VehicleRecord::max_axles> bound;
};
