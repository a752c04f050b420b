#pragma once

#include <QString>

// Numbers as the program writes them for people: the shortest text that reads back to the same
// single-precision real, and the simplest decimal inside a range.

// The shortest text that QString::toFloat reads back as this value: 3.59f gives "3.59".
QString float_text(float value);

// The range of single-precision reals between two ends, each closed or open.
struct RealRange
{
    double from = 0;
    double to = 0;
    bool from_open = false;
    bool to_open = false;

    // Whether the real read from a text of this value, in single precision, lies in the range.
    bool holds_read(double written) const;
    // Whether the value itself lies in the range.
    bool holds(double written) const;
};

// A decimal with as few digits after the point as possible, near the middle of the range, whose
// single-precision reading lies in the range: 3.595 for (3.59, 3.6). Returned as the double
// nearest to the decimal, which prints as the decimal. NaN when no single-precision real lies in
// the range.
double simplest_decimal(const RealRange& range);
// The same for a decimal whose own value, not its single-precision reading, lies in the range.
double simplest_exact_decimal(const RealRange& range);

// A double as the shortest text that reads back to it: 3.595, 12, 0.1.
QString decimal_text(double value);
