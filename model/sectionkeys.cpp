#include "model/sectionkeys.h"

#include <algorithm>
#include <iterator>

namespace section_keys {

const QString& text(int key)
{
    static const QString keys[count] = {
        QStringLiteral("adsl_0"),
        QStringLiteral("alias"),
        QStringLiteral("append__m"),
        QStringLiteral("awsl_0"),
        QStringLiteral("axle_configuration"),
        QStringLiteral("category"),
        QStringLiteral("lower_GVW_limit__kN"),
        QStringLiteral("max_GVW__kN"),
        QStringLiteral("max_axle_distance__m"),
        QStringLiteral("max_axle_weight__kN"),
        QStringLiteral("min_axle_distance__m"),
        QStringLiteral("number_of_axles"),
        QStringLiteral("override_class"),
        QStringLiteral("override_groups"),
        QStringLiteral("prepend__m"),
        QStringLiteral("reclassify_down_to_subclass"),
        QStringLiteral("reclassify_up_to_subclass"),
        QStringLiteral("subclass"),
        QStringLiteral("tyre_type"),
        QStringLiteral("upper_GVW_limit__kN"),
    };
    static const bool in_order = std::is_sorted(std::begin(keys), std::end(keys));
    Q_ASSERT(in_order);
    Q_UNUSED(in_order);
    return keys[key];
}

} // namespace section_keys
