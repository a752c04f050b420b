// Building a subclass from the key/value lines of one section.
#include "model/subclass.h"

#include <QDebug>
#include <QVarLengthArray>

#include <algorithm>
#include <iterator>

namespace {

// The keys a section may hold for the record, in ascending key order: the section map is in
// that order too, so one walk through both finds every value.
namespace fields {
enum Field
{
    adsl_0,
    alias,
    append,
    awsl_0,
    axle_configuration,
    category,
    lower_GVW,
    max_GVW,
    max_distances,
    weights,
    min_distances,
    number_of_axles,
    override_class,
    override_groups,
    prepend,
    reclassify_down,
    reclassify_up,
    subclass,
    tyres,
    upper_GVW,
    field_count
};
} // namespace fields
using fields::Field;

const QString& field_key(int field)
{
    static const QString keys[fields::field_count] = {
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
    return keys[field];
}

// A key of the adsl_ or awsl_ family: the total when the text after its last "_" is "0",
// otherwise one entry of the constraint list.
struct ConstraintKey
{
    bool adsl = false;
    bool total = false;
    QString value;
};

} // namespace

Subclass Subclass::from_section(const Section& section, QStringList* dropped)
{
    // One walk in key order collects the values (a key the section lacks stays empty) and the
    // constraint keys, in the order in which they are appended to their lists.
    QString values[fields::field_count];
    QVarLengthArray<ConstraintKey, 8> constraint_keys;
    int field = 0;
    for (auto it = section.cbegin(); it != section.cend(); ++it) {
        const QString& key = it.key();
        int order = 1;
        while (field < fields::field_count && (order = key.compare(field_key(field))) > 0)
            ++field;
        if (order == 0)
            values[field] = it.value();
        const bool adsl = key.startsWith(QLatin1String("adsl_"));
        if (adsl || key.startsWith(QLatin1String("awsl_"))) {
            const bool total =
                key.midRef(key.lastIndexOf(QLatin1Char('_')) + 1) == QLatin1String("0");
            constraint_keys.append({adsl, total, it.value()});
        } else if (order != 0 && dropped) {
            dropped->append(key);
        }
    }
    bool adsl_total = false, awsl_total = false;
    for (const ConstraintKey& k : constraint_keys) {
        adsl_total = adsl_total || (k.adsl && k.total);
        awsl_total = awsl_total || (!k.adsl && k.total);
    }

    Subclass s;
    s.set_number(values[fields::subclass].toUInt());

    // The lists, and their warnings, in this order.
    const QString& mins = values[fields::min_distances];
    const QString& maxs = values[fields::max_distances];
    if (!mins.isEmpty() && !maxs.isEmpty()) {
        s.min_distances = mins.split(QLatin1Char(','));
        s.max_distances = maxs.split(QLatin1Char(','));
        if (s.min_distances.size() != s.max_distances.size())
            qWarning() << "Mins and maxs have a different number of elements!";
    }
    if (!values[fields::tyres].isEmpty())
        s.tyre_types = values[fields::tyres].split(QLatin1Char(','));
    s.parse_max_axle_weights(values[fields::weights]);
    // After the lists are filled, so that it only pads them.
    s.pad_lists(values[fields::number_of_axles]);

    // Every scalar key is stored, empty where the section lacks it; the totals only when a key
    // names them. Stored in key order, each goes straight to the end of the map.
    const auto store = [&s](Field f, const QString& value) {
        s.scalars.insert(s.scalars.cend(), field_key(f), value);
    };
    if (adsl_total)
        store(fields::adsl_0, values[fields::adsl_0]);
    store(fields::alias, values[fields::alias]);
    store(fields::append, values[fields::append]);
    if (awsl_total)
        store(fields::awsl_0, values[fields::awsl_0]);
    store(fields::axle_configuration, values[fields::axle_configuration].toUpper());
    for (Field f : {fields::category, fields::lower_GVW, fields::max_GVW, fields::number_of_axles,
                    fields::override_class, fields::override_groups, fields::prepend,
                    fields::reclassify_down, fields::reclassify_up, fields::upper_GVW})
        store(f, values[f]);

    // In key order, so adsl_10 comes before adsl_2; the writer numbers them again from 1.
    for (const ConstraintKey& k : constraint_keys) {
        if (!k.total)
            (k.adsl ? s.combined_distance_constraints : s.combined_weight_constraints)
                .append(k.value);
    }
    return s;
}
