#include "model/realtext.h"

#include <QLocale>
#include <QtNumeric>

#include <cmath>

QString float_text(float value)
{
    for (int precision = 1; precision < 9; ++precision) {
        const QString text = QString::number(double(value), 'g', precision);
        if (text.toFloat() == value)
            return text;
    }
    return QString::number(double(value), 'g', 9);
}

bool RealRange::holds_read(double written) const
{
    // As QString::toFloat reads a text: to the nearest double, then to single precision.
    return holds(double(float(written)));
}

bool RealRange::holds(double value) const
{
    const bool above = from_open ? value > from : value >= from;
    const bool below = to_open ? value < to : value <= to;
    return above && below;
}

namespace {

template <typename Fits> double simplest(const RealRange& range, Fits fits)
{
    if (!(range.from <= range.to))
        return qQNaN();
    const double middle = range.from / 2 + range.to / 2;
    double scale = 1;
    for (int decimals = 0; decimals <= 9; ++decimals, scale *= 10) {
        // The decimals of this many digits nearest the middle, then those just inside each end.
        const double candidates[] = {std::round(middle * scale), std::ceil(range.from * scale),
                                     std::ceil(range.from * scale) + 1,
                                     std::floor(range.to * scale),
                                     std::floor(range.to * scale) - 1};
        for (double units : candidates) {
            // A whole number over a power of ten: the double nearest to that decimal, as a
            // reader of its text would get it.
            const double value = units / scale;
            if (fits(value))
                return value;
        }
    }
    // No short decimal lies inside: the single-precision reals next to the ends.
    const float ends[] = {
        range.from_open ? std::nextafter(float(range.from), INFINITY) : float(range.from),
        range.to_open ? std::nextafter(float(range.to), -INFINITY) : float(range.to)};
    for (float end : ends) {
        const double value = float_text(end).toDouble();
        if (fits(value))
            return value;
    }
    return qQNaN();
}

} // namespace

double simplest_decimal(const RealRange& range)
{
    return simplest(range, [&range](double value) { return range.holds_read(value); });
}

double simplest_exact_decimal(const RealRange& range)
{
    return simplest(range, [&range](double value) { return range.holds(value); });
}

QString decimal_text(double value)
{
    return QString::number(value, 'g', QLocale::FloatingPointShortest);
}
