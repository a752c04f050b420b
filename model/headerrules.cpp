// The rules that judge the [classes] section.
#include "model/conf.h"

#include "model/countrycodes.h"

#include <QtNumeric>

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
    return country_codes().contains(get_country_code().toUpper());
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
    const QString max_text = get_max_axle_distance__m();
    float max = 0, min = 0;
    if (max_text.isEmpty() || !read_real(max_text, max) ||
        !read_real(get_min_axle_distance__m(), min) || max < min)
        return MaxAxleDistance::invalid;
    for (const Subclass& subclass : subclasses) {
        for (const QString& entry : subclass.max_distance_texts()) {
            if (entry.toFloat() > max)
                return MaxAxleDistance::lower_than_subclasses;
        }
    }
    return MaxAxleDistance::valid;
}

bool Conf::is_header_valid_for_saving() const
{
    return is_country_code_valid() && is_group_max_distance_valid() &&
           is_unclassified_vehicle_subclass_valid();
}
