#include "model/confdiff.h"

#include "model/conf.h"

#include <algorithm>
#include <iterator>
#include <utility>

bool ValueChange::operator==(const ValueChange& other) const
{
    return field == other.field && index == other.index && old_value == other.old_value &&
           new_value == other.new_value && old_value.isNull() == other.old_value.isNull() &&
           new_value.isNull() == other.new_value.isNull();
}

namespace {

QString present(const QString& value)
{
    return value.isEmpty() ? QString() : value;
}

void compare(QVector<ValueChange>& changes, const QString& field, int index,
             const QString& old_value, const QString& new_value)
{
    const QString was = present(old_value), is = present(new_value);
    if (was != is || was.isNull() != is.isNull())
        changes.append({field, index, was, is});
}

void compare_maps(QVector<ValueChange>& changes, const QMap<QString, QString>& old_values,
                  const QMap<QString, QString>& new_values)
{
    QStringList keys = old_values.keys() + new_values.keys();
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (const QString& key : keys)
        compare(changes, key, 0, old_values.value(key), new_values.value(key));
}

// The axles a subclass's lists are written for.
int axles_used(const Subclass& s)
{
    return qBound(0, s.get_number_of_axles().toInt(), int(Subclass::max_axles));
}

void compare_lists(QVector<ValueChange>& changes, const QString& field, const TextList& old_list,
                   int old_used, const TextList& new_list, int new_used)
{
    for (int i = 0; i < std::max(old_used, new_used); ++i)
        compare(changes, field, i + 1, i < old_used ? old_list.at(i) : QString(),
                i < new_used ? new_list.at(i) : QString());
}

QStringList constraints(const Subclass& s, const QString& kind)
{
    QStringList list;
    for (int i = 0; i < s.get_constraint_count(kind); ++i)
        list.append(s.get_constraint(i, kind));
    return list;
}

// Entries compared as texts, order ignored: those removed, then those added.
void compare_constraints(QVector<ValueChange>& changes, const QString& field, QStringList old_list,
                         QStringList new_list)
{
    std::sort(old_list.begin(), old_list.end());
    std::sort(new_list.begin(), new_list.end());
    QStringList removed, added;
    std::set_difference(old_list.cbegin(), old_list.cend(), new_list.cbegin(), new_list.cend(),
                        std::back_inserter(removed));
    std::set_difference(new_list.cbegin(), new_list.cend(), old_list.cbegin(), old_list.cend(),
                        std::back_inserter(added));
    for (const QString& text : removed)
        changes.append({field, 0, text, QString()});
    for (const QString& text : added)
        changes.append({field, 0, QString(), text});
}

QVector<ValueChange> diff_subclasses(const Subclass& old_s, const Subclass& new_s)
{
    QVector<ValueChange> changes;
    compare_maps(changes, old_s.scalar_section(), new_s.scalar_section());
    const int old_axles = axles_used(old_s), new_axles = axles_used(new_s);
    const int old_gaps = std::max(0, old_axles - 1), new_gaps = std::max(0, new_axles - 1);
    compare_lists(changes, QStringLiteral("tyre_type"), old_s.tyre_type_texts(), old_axles,
                  new_s.tyre_type_texts(), new_axles);
    compare_lists(changes, QStringLiteral("max_axle_weight__kN"), old_s.max_axle_weight_texts(),
                  old_axles, new_s.max_axle_weight_texts(), new_axles);
    compare_lists(changes, QStringLiteral("max_axle_distance__m"), old_s.max_distance_texts(),
                  old_gaps, new_s.max_distance_texts(), new_gaps);
    compare_lists(changes, QStringLiteral("min_axle_distance__m"), old_s.min_distance_texts(),
                  old_gaps, new_s.min_distance_texts(), new_gaps);
    const std::pair<const char*, const char*> lists[] = {
        {"default", "max_axle_weight__kN"}, {"adsl", "adsl"}, {"awsl", "awsl"}};
    for (const auto& [kind, field] : lists)
        compare_constraints(changes, QLatin1String(field), constraints(old_s, QLatin1String(kind)),
                            constraints(new_s, QLatin1String(kind)));
    return changes;
}

} // namespace

ConfDiff diff_confs(const Conf& old_conf, const Conf& new_conf)
{
    ConfDiff diff;
    compare_maps(diff.header, old_conf.header(), new_conf.header());
    for (quint32 number : old_conf.get_subclass_numbers()) {
        if (!new_conf.has_subclass(number)) {
            diff.only_in_old.append(number);
            continue;
        }
        const QVector<ValueChange> changes =
            diff_subclasses(old_conf.get_subclass(number), new_conf.get_subclass(number));
        if (!changes.isEmpty())
            diff.changed.insert(number, changes);
    }
    for (quint32 number : new_conf.get_subclass_numbers()) {
        if (!old_conf.has_subclass(number))
            diff.only_in_new.append(number);
    }
    return diff;
}
