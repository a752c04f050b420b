#pragma once

#include "model/realtext.h"
#include "units/displayunits.h"

#include <QString>

// The name of the displayed length unit: "m", "ft" or "in".
inline QString lengthUnitName(const DisplayUnits& units)
{
    const QString suffix = units.suffix(DisplayUnits::Kind::length); // "(m):"
    return suffix.mid(1, suffix.size() - 3);
}

// A length in metres in the displayed unit, without the unit: metres as the shortest text that
// reads back as the same single-precision number ("3.595"), other units with five significant
// digits.
inline QString shownLength(double metres, const DisplayUnits& units)
{
    if (units.lengthUnit() == 0)
        return float_text(float(metres));
    return QString::number(metres / double(units.lengthFactor()), 'g', 5);
}
