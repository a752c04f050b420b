// Combined axle constraints: the three lists, the two whole-vehicle totals and their grammar.
#include "model/subclass.h"

#include <QDebug>
#include <QRegExp>

namespace {

const char* const combined_weight_limit_pattern = "(?:\\d+\\+)+\\d+,\\d+\\.?\\d*";
const char* const adsl_pattern = "(?:\\d+\\+)*\\d+:\\d+(?:\\.\\d+)?,\\d+(?:\\.\\d+)?";
const char* const awsl_pattern = "(?:\\d+\\+)*\\d+:\\d+(?:\\.\\d+)?,\\d+;\\d+(?:\\.\\d+)?,\\d+";
const char* const adsl_0_pattern = "\\d+(?:\\.\\d+)?,\\d+(?:\\.\\d+)?";
const char* const awsl_0_pattern = "\\d+(?:\\.\\d+)?,\\d+;\\d+(?:\\.\\d+)?,\\d+";

bool matches_whole(const char* pattern, const QString& text)
{
    return QRegExp(QLatin1String(pattern)).exactMatch(text);
}

} // namespace

QStringList* Subclass::constraint_list(const QString& kind)
{
    if (kind == QLatin1String("default"))
        return &combined_weight_limits;
    if (kind == QLatin1String("adsl"))
        return &combined_distance_constraints;
    if (kind == QLatin1String("awsl"))
        return &combined_weight_constraints;
    return nullptr;
}

const QStringList* Subclass::constraint_list(const QString& kind) const
{
    return const_cast<Subclass*>(this)->constraint_list(kind);
}

QString Subclass::get_constraint(int index, const QString& kind) const
{
    const QStringList* list = constraint_list(kind);
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
    const QStringList* list = constraint_list(kind);
    return list ? list->size() : 0;
}

void Subclass::set_constraint(const QString& value, int index, const QString& kind)
{
    QStringList* list = constraint_list(kind);
    if (!list)
        return;
    if (index >= 0 && index < list->size()) {
        (*list)[index] = value;
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
    QStringList* list = constraint_list(kind);
    if (!list)
        return;
    if (index < 0 || index >= list->size()) {
        qWarning() << "Combined constraints size is smaller than index we tried to delete!";
        return;
    }
    list->removeAt(index);
}

bool Subclass::is_constraint_valid(int index, const QString& kind) const
{
    const QStringList* list = constraint_list(kind);
    if (!list)
        return false;
    if (index < 0 || index >= list->size()) {
        qWarning() << "Constraint at index " << index << " does not exist for size "
                   << list->size();
        return false;
    }
    const char* pattern = kind == QLatin1String("default") ? combined_weight_limit_pattern
                          : kind == QLatin1String("adsl")  ? adsl_pattern
                                                           : awsl_pattern;
    return matches_whole(pattern, list->at(index));
}

bool Subclass::is_adsl_0_valid() const
{
    const QString total = get_adsl_0();
    return total.isEmpty() || matches_whole(adsl_0_pattern, total);
}

bool Subclass::is_awsl_0_valid() const
{
    const QString total = get_awsl_0();
    return total.isEmpty() || matches_whole(awsl_0_pattern, total);
}
