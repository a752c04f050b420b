// Whether a whole subclass is valid: every per-axle value, constraint and scalar rule.
#include "model/subclass.h"

#include "model/finitereal.h"

bool Subclass::is_subclass_valid(const QString& header_min, const QString& header_max) const
{
    // Each loop stops at the first entry the lists do not hold, so it never runs further than
    // the lists reach, whatever number_of_axles says.
    const qint64 n = get_number_of_axles().toInt();
    const float min = header_min.toFloat();
    const float max = header_max.toFloat();
    for (qint64 i = 0; i < n - 1; ++i) {
        if (!is_gap_valid(int(i), min, max))
            return false;
    }
    for (qint64 i = 0; i < n; ++i) {
        if (!is_max_axle_weight_valid(int(i)) || !is_tyre_type_valid(int(i)))
            return false;
    }
    for (const QString& kind :
         {QStringLiteral("default"), QStringLiteral("adsl"), QStringLiteral("awsl")}) {
        for (int i = 0; i < get_constraint_count(kind); ++i) {
            if (!is_constraint_valid(i, kind))
                return false;
        }
    }
    // The reals that no rule of their own judges must still be numbers a reader can use.
    return is_category_valid() && is_number_of_axles_valid() && is_max_GVW_valid() &&
           is_axle_configuration_valid() && is_adsl_0_valid() && is_awsl_0_valid() &&
           is_finite_real(get_upper_GVW_limit__kN()) && is_finite_real(get_lower_GVW_limit__kN()) &&
           is_finite_real(get_prepend__m()) && is_finite_real(get_append__m());
}
