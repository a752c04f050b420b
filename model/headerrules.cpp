// The rules that judge the [classes] section.
#include "model/conf.h"

#include "model/countrycodes.h"
#include "model/finitereal.h"

#include <QtNumeric>

#include <algorithm>

namespace {

// Two header reals compare only when both parse to finite numbers; an empty text counts as 0.
bool read_real(const QString& text, float& value)
{
    bool ok = true;
    value = text.isEmpty() ? 0.0f : text.toFloat(&ok);
    return ok && qIsFinite(value);
}

bool positive_finite(const QString& text)
{
    const float value = text.toFloat();
    return value > 0.0f && qIsFinite(value);
}

bool ascii_letter(QChar c)
{
    return (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) ||
           (c >= QLatin1Char('a') && c <= QLatin1Char('z'));
}

} // namespace

bool Conf::is_g_acceleration_constant_valid() const
{
    if (!classes.contains(QStringLiteral("g_acceleration_constant")))
        return false;
    return positive_finite(get_g_acceleration_constant());
}

bool Conf::is_group_max_distance_valid() const
{
    return positive_finite(get_group_max_distance__m());
}

bool Conf::is_country_code_valid() const
{
    // Upper-casing another letter can make a listed code: "ß" becomes "SS".
    const QString code = get_country_code();
    return code.size() == 2 && ascii_letter(code.at(0)) && ascii_letter(code.at(1)) &&
           country_codes().contains(code.toUpper());
}

bool Conf::is_min_2axle_truck_spacing_valid() const
{
    return is_finite_real(get_min_2axle_truck_spacing__m());
}

bool Conf::is_min_avg_axle_weight_valid() const
{
    return is_finite_real(get_min_avg_axle_weight__kN());
}

bool Conf::is_unclassified_vehicle_subclass_valid() const
{
    return !has_subclass(get_unclassified_vehicle_subclass().toUInt());
}

bool Conf::is_uncategorised_vehicle_category_valid() const
{
    const QString category = get_uncategorised_vehicle_category();
    return category.isEmpty() || category.toInt() > 5;
}

bool Conf::is_min_axle_distance_valid() const
{
    float max = 0, min = 0;
    if (!read_real(get_max_axle_distance__m(), max) || !read_real(get_min_axle_distance__m(), min))
        return false;
    return max >= min;
}

Conf::MaxAxleDistance Conf::check_max_axle_distance() const
{
    return check_max_axle_distance(highest_max_distance());
}

Conf::MaxAxleDistance Conf::check_max_axle_distance(float highest_subclass_max) const
{
    const QString max_text = get_max_axle_distance__m();
    float max = 0, min = 0;
    if (max_text.isEmpty() || !read_real(max_text, max) ||
        !read_real(get_min_axle_distance__m(), min) || max < min)
        return MaxAxleDistance::invalid;
    return highest_subclass_max > max ? MaxAxleDistance::lower_than_subclasses
                                      : MaxAxleDistance::valid;
}

float Conf::highest_max_distance() const
{
    float highest = -qInf();
    for (const Subclass& subclass : subclasses)
        highest = std::max(highest, subclass.highest_max_distance());
    return highest;
}

bool Conf::is_header_valid_for_saving() const
{
    // A value that reads as infinity or not-a-number is never written, wherever it stands.
    for (const QString& real :
         {get_g_acceleration_constant(), get_max_axle_distance__m(), get_min_axle_distance__m()}) {
        if (!is_finite_real(real))
            return false;
    }
    return is_country_code_valid() && is_group_max_distance_valid() &&
           is_unclassified_vehicle_subclass_valid() && is_min_2axle_truck_spacing_valid() &&
           is_min_avg_axle_weight_valid();
}
