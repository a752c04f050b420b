// Whether a whole subclass is valid: every per-axle value, constraint and scalar rule.
#include "model/subclass.h"

#include "model/numberreading.h"

#include <QtNumeric>

namespace {

// Entries that read as not-a-number count for nothing; without any the result is -infinity.
float highest_of(const TextList::Floats& values)
{
    float highest = -qInf();
    for (float value : values) {
        if (value > highest)
            highest = value;
    }
    return highest;
}

} // namespace

bool Subclass::is_subclass_valid(const QString& header_min, const QString& header_max) const
{
    float lowest = 0.0f, highest = 0.0f;
    return judge(read_float(header_min), read_float(header_max), min_distances.floats(),
                 max_distances.floats(), &lowest, &highest);
}

Subclass::LimitFreeVerdict Subclass::judge_apart_from_limits() const
{
    // Limits of minus and plus infinity pass every finite distance: what fails is the rest.
    const TextList::Floats maxes = max_distances.floats();
    LimitFreeVerdict verdict;
    float lowest = 0.0f, highest = 0.0f;
    verdict.valid = judge(-qInf(), qInf(), min_distances.floats(), maxes, &lowest, &highest);
    if (verdict.valid) {
        verdict.lowest = lowest;
        verdict.highest = highest;
    }
    verdict.highest_entry = highest_of(maxes);
    return verdict;
}

float Subclass::highest_max_distance() const
{
    return highest_of(max_distances.floats());
}

bool Subclass::judge(float header_min, float header_max, const TextList::Floats& mins,
                     const TextList::Floats& maxes, float* lowest, float* highest) const
{
    if (!are_axles_valid(scalars.int_at(number_of_axles_key), header_min, header_max, mins, maxes,
                         lowest, highest))
        return false;
    if (!are_constraints_valid())
        return false;
    // The reals that no rule of their own judges must still be numbers a reader can use.
    return is_category_valid() && is_number_of_axles_valid() && is_max_GVW_valid() &&
           is_axle_configuration_valid() && is_adsl_0_valid() && is_awsl_0_valid() &&
           qIsFinite(scalar_float(upper_GVW_key)) && qIsFinite(scalar_float(lower_GVW_key)) &&
           qIsFinite(scalar_float(prepend_key)) && qIsFinite(scalar_float(append_key));
}
