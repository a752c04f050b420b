// Building a subclass from the key/value lines of one section.
#include "model/subclass.h"

#include <QDebug>

Subclass Subclass::from_section(const Section& section)
{
    Subclass s;
    s.set_number(section.value(QStringLiteral("subclass")).toUInt());
    s.set_override_class(section.value(QStringLiteral("override_class")));
    s.set_override_groups(section.value(QStringLiteral("override_groups")));
    s.set_alias(section.value(QStringLiteral("alias")));
    s.set_category(section.value(QStringLiteral("category")));
    s.set_max_GVW__kN(section.value(QStringLiteral("max_GVW__kN")));

    const QString mins = section.value(QStringLiteral("min_axle_distance__m"));
    const QString maxs = section.value(QStringLiteral("max_axle_distance__m"));
    if (!mins.isEmpty() && !maxs.isEmpty()) {
        s.min_distances = mins.split(QLatin1Char(','));
        s.max_distances = maxs.split(QLatin1Char(','));
        if (s.min_distances.size() != s.max_distances.size())
            qWarning() << "Mins and maxs have a different number of elements!";
    }

    const QString tyres = section.value(QStringLiteral("tyre_type"));
    if (!tyres.isEmpty())
        s.tyre_types = tyres.split(QLatin1Char(','));

    s.parse_max_axle_weights(section.value(QStringLiteral("max_axle_weight__kN")));
    // After the lists are filled, so that it only pads them.
    s.set_number_of_axles(section.value(QStringLiteral("number_of_axles")));

    s.set_upper_GVW_limit__kN(section.value(QStringLiteral("upper_GVW_limit__kN")));
    s.set_reclassify_up_to_subclass(section.value(QStringLiteral("reclassify_up_to_subclass")));
    s.set_lower_GVW_limit__kN(section.value(QStringLiteral("lower_GVW_limit__kN")));
    s.set_reclassify_down_to_subclass(section.value(QStringLiteral("reclassify_down_to_subclass")));
    s.set_axle_configuration(section.value(QStringLiteral("axle_configuration")));
    s.set_prepend__m(section.value(QStringLiteral("prepend__m")));
    s.set_append__m(section.value(QStringLiteral("append__m")));

    // In key order, so adsl_10 comes before adsl_2; the writer numbers them again from 1.
    for (auto it = section.cbegin(); it != section.cend(); ++it) {
        const QString& key = it.key();
        const bool adsl = key.startsWith(QLatin1String("adsl_"));
        if (!adsl && !key.startsWith(QLatin1String("awsl_")))
            continue;
        const bool total = key.mid(key.lastIndexOf(QLatin1Char('_')) + 1) == QLatin1String("0");
        if (adsl && total)
            s.set_adsl_0(section.value(QStringLiteral("adsl_0")));
        else if (total)
            s.set_awsl_0(section.value(QStringLiteral("awsl_0")));
        else
            s.set_constraint(it.value(), -1,
                             adsl ? QStringLiteral("adsl") : QStringLiteral("awsl"));
    }
    return s;
}
