// Combined axle constraints: the three lists, the two whole-vehicle totals and their grammar.
#include "model/subclass.h"

#include "model/finitereal.h"
#include "model/valuegrammar.h"

#include <QDebug>

namespace {

// The grammar admits runs of digits long enough to overflow a real; such a value is refused too.
bool matches_whole(bool (*grammar)(QStringView), const QString& text)
{
    return grammar(text) && are_numbers_finite(text);
}

} // namespace

TextList* Subclass::constraint_list(const QString& kind)
{
    if (kind == QLatin1String("default"))
        return &combined_weight_limits;
    if (kind == QLatin1String("adsl"))
        return &combined_distance_constraints;
    if (kind == QLatin1String("awsl"))
        return &combined_weight_constraints;
    return nullptr;
}

const TextList* Subclass::constraint_list(const QString& kind) const
{
    return const_cast<Subclass*>(this)->constraint_list(kind);
}

QString Subclass::get_constraint(int index, const QString& kind) const
{
    const TextList* list = constraint_list(kind);
    if (!list)
        return QString();
    if (index < 0 || index >= list->size()) {
        qWarning() << "get_constraint: Trying to get a nonexistent index " << index
                   << " in array of size " << list->size();
        return QString();
    }
    return list->at(index);
}

int Subclass::get_constraint_count(const QString& kind) const
{
    const TextList* list = constraint_list(kind);
    return list ? list->size() : 0;
}

void Subclass::set_constraint(const QString& value, int index, const QString& kind)
{
    TextList* list = constraint_list(kind);
    if (!list)
        return;
    if (index >= 0 && index < list->size()) {
        list->set(index, value);
        return;
    }
    // Whatever the user typed is kept, even when the position is stale.
    if (index != -1)
        qWarning() << "set_constraint: appending at nonexistent index " << index
                   << " of array of size " << list->size();
    list->append(value);
}

void Subclass::delete_constraint(int index, const QString& kind)
{
    TextList* list = constraint_list(kind);
    if (!list)
        return;
    if (index < 0 || index >= list->size()) {
        qWarning() << "Combined constraints size is smaller than index we tried to delete!";
        return;
    }
    list->remove_at(index);
}

bool Subclass::is_constraint_valid(int index, const QString& kind) const
{
    const TextList* list = constraint_list(kind);
    if (!list)
        return false;
    if (index < 0 || index >= list->size()) {
        qWarning() << "Constraint at index " << index << " does not exist for size "
                   << list->size();
        return false;
    }
    return is_constraint_entry_valid(*list, index);
}

bool Subclass::is_constraint_entry_valid(const TextList& list, int index) const
{
    const QString value = list.at(index);
    if (&list == &combined_weight_limits)
        return matches_whole(grammar::is_combined_weight_limit, value);
    if (&list == &combined_distance_constraints)
        return matches_whole(grammar::is_combined_distance_constraint, value);
    return matches_whole(grammar::is_combined_weight_constraint, value);
}

bool Subclass::are_constraints_valid() const
{
    for (const TextList* list :
         {&combined_weight_limits, &combined_distance_constraints, &combined_weight_constraints}) {
        for (int i = 0; i < list->size(); ++i) {
            if (!is_constraint_entry_valid(*list, i))
                return false;
        }
    }
    return true;
}

bool Subclass::is_adsl_0_valid() const
{
    const QString total = get_adsl_0();
    return total.isEmpty() || matches_whole(grammar::is_total_distance, total);
}

bool Subclass::is_awsl_0_valid() const
{
    const QString total = get_awsl_0();
    return total.isEmpty() || matches_whole(grammar::is_total_weight, total);
}
