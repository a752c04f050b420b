// The scalar values of a subclass and the rules that judge them.
#include "model/subclass.h"

#include "model/sectionkeys.h"
#include "model/valuegrammar.h"

#include <QDebug>
#include <QtNumeric>

#include <algorithm>
#include <optional>
#include <utility>

// The QStringLists and the map that the reference getters hand out, made when first asked for:
// the lists in the order of Subclass::list_of.
struct Subclass::Views
{
    std::optional<Section> scalars;
    std::optional<QStringList> lists[4];
};

Subclass::Subclass(const Subclass& other)
    : number(other.number), present(other.present), scalars(other.scalars),
      max_axle_weights(other.max_axle_weights), min_distances(other.min_distances),
      max_distances(other.max_distances), tyre_types(other.tyre_types),
      combined_weight_limits(other.combined_weight_limits),
      combined_distance_constraints(other.combined_distance_constraints),
      combined_weight_constraints(other.combined_weight_constraints)
{
}

Subclass& Subclass::operator=(const Subclass& other)
{
    if (this == &other)
        return *this;
    number = other.number;
    present = other.present;
    scalars = other.scalars;
    max_axle_weights = other.max_axle_weights;
    min_distances = other.min_distances;
    max_distances = other.max_distances;
    tyre_types = other.tyre_types;
    combined_weight_limits = other.combined_weight_limits;
    combined_distance_constraints = other.combined_distance_constraints;
    combined_weight_constraints = other.combined_weight_constraints;
    // What was handed out stays valid and shows the new values, as it would with plain members.
    refresh_views();
    return *this;
}

Subclass::Subclass() = default;
Subclass::Subclass(Subclass&& other) noexcept = default;
Subclass& Subclass::operator=(Subclass&& other) noexcept = default;
Subclass::~Subclass() = default;

const TextList& Subclass::list_of(int which) const
{
    const TextList* lists[] = {&max_axle_weights, &min_distances, &max_distances, &tyre_types};
    return *lists[which];
}

Subclass::Section Subclass::scalar_section() const
{
    Section section;
    for (int slot = 0; slot < scalar_count; ++slot) {
        if (present & (1u << slot))
            section.insert(section.cend(), scalar_key(slot), scalars.at(slot));
    }
    return section;
}

void Subclass::refresh_views()
{
    if (!views)
        return;
    if (views->scalars)
        *views->scalars = scalar_section();
    for (int which = 0; which < 4; ++which) {
        if (views->lists[which])
            *views->lists[which] = list_of(which).to_list();
    }
}

const Subclass::Section& Subclass::scalar_values() const
{
    if (!views)
        views = std::make_unique<Views>();
    if (!views->scalars)
        views->scalars = scalar_section();
    return *views->scalars;
}

const QStringList& Subclass::list_view(int which) const
{
    if (!views)
        views = std::make_unique<Views>();
    std::optional<QStringList>& view = views->lists[which];
    if (!view)
        view = list_of(which).to_list();
    return *view;
}

const QStringList& Subclass::get_max_axle_weights() const
{
    return list_view(0);
}

const QStringList& Subclass::get_min_distances() const
{
    return list_view(1);
}

const QStringList& Subclass::get_max_distances() const
{
    return list_view(2);
}

const QStringList& Subclass::get_tyre_types() const
{
    return list_view(3);
}

void Subclass::set_max_axle_weights(const QStringList& list)
{
    max_axle_weights = TextList::from_list(list);
    refresh_views();
}

void Subclass::set_min_distances(const QStringList& list)
{
    min_distances = TextList::from_list(list);
    refresh_views();
}

void Subclass::set_max_distances(const QStringList& list)
{
    max_distances = TextList::from_list(list);
    refresh_views();
}

void Subclass::set_tyre_types(const QStringList& list)
{
    tyre_types = TextList::from_list(list);
    refresh_views();
}

const QString& Subclass::scalar_key(int slot)
{
    using namespace section_keys;
    static const Key keys[scalar_count] = {
        adsl_0,          alias,     append,          awsl_0,          axle_configuration,
        category,        lower_GVW, max_GVW,         number_of_axles, override_class,
        override_groups, prepend,   reclassify_down, reclassify_up,   upper_GVW,
    };
    return text(keys[slot]);
}

QString Subclass::scalar(Scalar slot) const
{
    return scalars.at(slot);
}

void Subclass::set_scalar(Scalar slot, const QString& value)
{
    if (scalars.size() < scalar_count)
        scalars.append_empty(scalar_count - scalars.size());
    scalars.set(slot, value);
    present |= quint16(1u << slot);
    refresh_views();
}

bool Subclass::scalar_values_match(const Subclass& other) const
{
    // Position by position through the keys each holds, as two maps would be walked in step.
    int a = 0, b = 0;
    for (;;) {
        while (a < scalar_count && !(present & (1u << a)))
            ++a;
        while (b < scalar_count && !(other.present & (1u << b)))
            ++b;
        if (a == scalar_count || b == scalar_count)
            return a == b;
        if (!scalars.entry_equals(a, other.scalars, b))
            return false;
        ++a;
        ++b;
    }
}

uint Subclass::scalar_values_hash() const
{
    uint hash = 0;
    int count = 0;
    for (int slot = 0; slot < scalar_count; ++slot) {
        if (present & (1u << slot)) {
            hash = hash * 31u + scalars.entry_hash(slot);
            ++count;
        }
    }
    return hash * 31u + uint(count);
}

QString Subclass::get_number_of_axles() const
{
    return scalar(number_of_axles_key);
}

void Subclass::set_number_of_axles(const QString& value)
{
    set_scalar(number_of_axles_key, value);
    pad_lists(value);
}

void Subclass::pad_lists(const QString& number_of_axles)
{
    // The editors may grow the lists one entry past the axles in use; nothing needs more
    // than the largest valid count, so an absurd count pads no further than that.
    const int n = std::min(number_of_axles.toInt(), max_axles);
    const int mins = min_distances.size(), maxs = max_distances.size();
    for (int size = mins; n > size; ++size) {
        if (size != maxs + (size - mins))
            qWarning() << "set_number_of_axles-axles:" << size << "!=" << maxs + (size - mins);
    }
    if (n > mins) {
        min_distances.append_empty(n - mins);
        max_distances.append_empty(n - mins);
    }
    const int weights = max_axle_weights.size(), tyres = tyre_types.size();
    for (int size = weights; n >= size; ++size) {
        if (tyres + (size - weights) != size)
            qWarning() << "set_number_of_axles-weight/tyre:" << size
                       << "!=" << tyres + (size - weights);
    }
    if (n >= weights) {
        max_axle_weights.append_empty(n + 1 - weights);
        tyre_types.append_empty(n + 1 - weights);
    }
    refresh_views();
}

QString Subclass::get_axle_configuration() const
{
    return scalar(axle_configuration_key);
}
void Subclass::set_axle_configuration(const QString& value)
{
    set_scalar(axle_configuration_key, value.toUpper());
}

QString Subclass::get_category() const
{
    return scalar(category_key);
}
void Subclass::set_category(const QString& value)
{
    set_scalar(category_key, value);
}

QString Subclass::get_max_GVW__kN() const
{
    return scalar(max_GVW_key);
}
void Subclass::set_max_GVW__kN(const QString& value)
{
    set_scalar(max_GVW_key, value);
}

QString Subclass::get_upper_GVW_limit__kN() const
{
    return scalar(upper_GVW_key);
}
void Subclass::set_upper_GVW_limit__kN(const QString& value)
{
    set_scalar(upper_GVW_key, value);
}

QString Subclass::get_reclassify_up_to_subclass() const
{
    return scalar(reclassify_up_key);
}
void Subclass::set_reclassify_up_to_subclass(const QString& value)
{
    set_scalar(reclassify_up_key, value);
}

QString Subclass::get_lower_GVW_limit__kN() const
{
    return scalar(lower_GVW_key);
}
void Subclass::set_lower_GVW_limit__kN(const QString& value)
{
    set_scalar(lower_GVW_key, value);
}

QString Subclass::get_reclassify_down_to_subclass() const
{
    return scalar(reclassify_down_key);
}
void Subclass::set_reclassify_down_to_subclass(const QString& value)
{
    set_scalar(reclassify_down_key, value);
}

QString Subclass::get_prepend__m() const
{
    return scalar(prepend_key);
}
void Subclass::set_prepend__m(const QString& value)
{
    set_scalar(prepend_key, value);
}

QString Subclass::get_append__m() const
{
    return scalar(append_key);
}
void Subclass::set_append__m(const QString& value)
{
    set_scalar(append_key, value);
}

QString Subclass::get_alias() const
{
    return scalar(alias_key);
}
void Subclass::set_alias(const QString& value)
{
    set_scalar(alias_key, value);
}

QString Subclass::get_override_class() const
{
    return scalar(override_class_key);
}
void Subclass::set_override_class(const QString& value)
{
    set_scalar(override_class_key, value);
}

QString Subclass::get_override_groups() const
{
    return scalar(override_groups_key);
}
void Subclass::set_override_groups(const QString& value)
{
    set_scalar(override_groups_key, value);
}

QString Subclass::get_adsl_0() const
{
    return scalar(adsl_0_key);
}
void Subclass::set_adsl_0(const QString& value)
{
    set_scalar(adsl_0_key, value);
}

QString Subclass::get_awsl_0() const
{
    return scalar(awsl_0_key);
}
void Subclass::set_awsl_0(const QString& value)
{
    set_scalar(awsl_0_key, value);
}

bool Subclass::is_number_of_axles_valid() const
{
    return scalars.int_at(number_of_axles_key) > 1 && scalar_float(number_of_axles_key) <= 20.0f;
}

bool Subclass::is_axle_configuration_valid() const
{
    // The counts of the units add up to the axles of the whole vehicle.
    qint64 axles = 0;
    return grammar::is_axle_configuration(get_axle_configuration(), &axles) &&
           axles == scalars.int_at(number_of_axles_key);
}

bool Subclass::is_category_valid() const
{
    return scalars.length_at(category_key) > 0;
}

bool Subclass::is_max_GVW_valid() const
{
    return scalars.length_at(max_GVW_key) > 0 && qIsFinite(scalar_float(max_GVW_key));
}

namespace {

bool reclassify_target_valid(const QString& target_number_of_axles, const QString& own)
{
    if (target_number_of_axles.isEmpty())
        return true;
    if (target_number_of_axles == QLatin1String("0"))
        return false;
    return target_number_of_axles == own;
}

} // namespace

bool Subclass::is_reclassify_up_valid(const QString& target_number_of_axles) const
{
    return reclassify_target_valid(target_number_of_axles, get_number_of_axles());
}

bool Subclass::is_reclassify_down_valid(const QString& target_number_of_axles) const
{
    return reclassify_target_valid(target_number_of_axles, get_number_of_axles());
}

bool Subclass::can_draw() const
{
    // The loop ends at the first gap the lists do not hold, so an absurd count costs nothing.
    const qint64 n = get_number_of_axles().toInt();
    for (qint64 i = 0; i < n - 1; ++i) {
        const bool held = i < min_distances.size() && i < max_distances.size();
        const QString min = held ? min_distances.at(int(i)) : QString();
        const QString max = held ? max_distances.at(int(i)) : QString();
        if (!held || !(min.toFloat() > 0.0f) || !(max.toFloat() > 0.0f)) {
            qDebug() << "Can't draw because at index" << i << "min dist is" << min
                     << "and max dist is" << max;
            return false;
        }
    }
    return is_number_of_axles_valid();
}
