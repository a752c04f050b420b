// The four per-axle lists: entries, their sums and the rules that judge them.
#include "model/subclass.h"

#include <QDebug>
#include <QtNumeric>

namespace {

QString entry_at(const TextList& list, int index, const char* operation)
{
    if (index < 0 || index >= list.size()) {
        qWarning() << operation << "Trying to get a nonexistent index " << index
                   << " in array of size " << list.size();
        return QString();
    }
    return list.at(index);
}

void set_or_append(TextList& list, const QString& value, int index)
{
    if (index >= 0 && index < list.size())
        list.set(index, value);
    else
        list.append(value);
}

void remove_last(TextList& list)
{
    if (!list.isEmpty())
        list.remove_last();
}

// Each entry counts as it would show with two decimals.
float sum_of(const TextList& list)
{
    float sum = 0.0f;
    for (const QString& entry : list)
        sum += QString::number(entry.toFloat(), 'f', 2).toFloat();
    return sum;
}

bool held(const TextList& list, int index)
{
    return index >= 0 && index < list.size();
}

void warn_min_distance_missing(int index, int size)
{
    qWarning() << "is_min_distance_valid: Checking if a nonexistent index " << index
               << " exists in array of size " << size;
}

void warn_max_distance_missing(int index, int size)
{
    qWarning() << "is_max_distance_valid: Checking if a nonexistent index " << index
               << " exists in array of size " << size;
}

// A comparison with a value that is not a number fails; an infinite distance fails too, even
// against a header limit that is itself infinite.
bool min_distance_within(float min, float max, float header_min, float header_max)
{
    return qIsFinite(min) && max >= min && min >= header_min && min <= header_max;
}

bool max_distance_within(float min, float max, float header_min, float header_max)
{
    return qIsFinite(max) && max >= min && max >= header_min && max <= header_max;
}

} // namespace

QString Subclass::get_max_axle_weight_at_index(int index) const
{
    return entry_at(max_axle_weights, index, "get_max_axle_weight_at_index:");
}

QString Subclass::get_min_distance_at_index(int index) const
{
    return entry_at(min_distances, index, "get_min_distance_at_index:");
}

QString Subclass::get_max_distance_at_index(int index) const
{
    return entry_at(max_distances, index, "get_max_distance_at_index:");
}

QString Subclass::get_tyre_type_at_index(int index) const
{
    if (index < 0 || index >= tyre_types.size()) {
        qWarning() << "get_tyre_type_at_index: Trying to get a nonexistend index " << index
                   << " in array of size " << tyre_types.size();
        return QString();
    }
    return tyre_types.at(index);
}

void Subclass::set_max_axle_weight_at_index(const QString& value, int index)
{
    set_or_append(max_axle_weights, value, index);
    refresh_views();
}

void Subclass::set_min_distance_at_index(const QString& value, int index)
{
    set_or_append(min_distances, value, index);
    refresh_views();
}

void Subclass::set_max_distance_at_index(const QString& value, int index)
{
    set_or_append(max_distances, value, index);
    refresh_views();
}

void Subclass::set_tyre_type_at_index(const QString& value, int index)
{
    set_or_append(tyre_types, value, index);
    refresh_views();
}

void Subclass::remove_last_max_axle_weight()
{
    remove_last(max_axle_weights);
    refresh_views();
}
void Subclass::remove_last_min_distance()
{
    remove_last(min_distances);
    refresh_views();
}
void Subclass::remove_last_max_distance()
{
    remove_last(max_distances);
    refresh_views();
}
void Subclass::remove_last_tyre_type()
{
    remove_last(tyre_types);
    refresh_views();
}

float Subclass::sum_max_axle_weights() const
{
    return sum_of(max_axle_weights);
}
float Subclass::sum_min_distances() const
{
    return sum_of(min_distances);
}
float Subclass::sum_max_distances() const
{
    return sum_of(max_distances);
}

float Subclass::highest_max_distance() const
{
    float highest = -qInf();
    for (const QString& entry : max_distances) {
        const float value = entry.toFloat();
        if (value > highest)
            highest = value;
    }
    return highest;
}

bool Subclass::is_max_axle_weight_valid(int index) const
{
    if (!held(max_axle_weights, index)) {
        qWarning() << "is_max_axle_weight_valid: Checking if a nonexistent index " << index
                   << " exists in array of size " << max_axle_weights.size();
        return false;
    }
    const float weight = max_axle_weights.at(index).toFloat();
    return weight > 0.0f && qIsFinite(weight);
}

bool Subclass::is_tyre_type_valid(int index) const
{
    if (!held(tyre_types, index)) {
        qWarning() << "is_tyre_type_valid: Checking if a nonexistent index " << index
                   << " exists in array of size " << tyre_types.size();
        return false;
    }
    const int type = tyre_types.at(index).toInt();
    return type >= 1 && type <= 4;
}

bool Subclass::is_min_distance_valid(int index, const QString& header_min,
                                     const QString& header_max) const
{
    if (!held(min_distances, index)) {
        warn_min_distance_missing(index, min_distances.size());
        return false;
    }
    if (!held(max_distances, index))
        return false;
    return min_distance_within(min_distances.at(index).toFloat(), max_distances.at(index).toFloat(),
                               header_min.toFloat(), header_max.toFloat());
}

bool Subclass::is_max_distance_valid(int index, const QString& header_min,
                                     const QString& header_max) const
{
    if (!held(max_distances, index) || min_distances.size() != max_distances.size()) {
        warn_max_distance_missing(index, max_distances.size());
        return false;
    }
    return max_distance_within(min_distances.at(index).toFloat(), max_distances.at(index).toFloat(),
                               header_min.toFloat(), header_max.toFloat());
}

bool Subclass::is_gap_valid(int index, float header_min, float header_max) const
{
    // is_min_distance_valid, then is_max_distance_valid, reading each entry once.
    if (!held(min_distances, index)) {
        warn_min_distance_missing(index, min_distances.size());
        return false;
    }
    if (!held(max_distances, index))
        return false;
    const float min = min_distances.at(index).toFloat();
    const float max = max_distances.at(index).toFloat();
    if (!min_distance_within(min, max, header_min, header_max))
        return false;
    if (min_distances.size() != max_distances.size()) {
        warn_max_distance_missing(index, max_distances.size());
        return false;
    }
    return max_distance_within(min, max, header_min, header_max);
}
