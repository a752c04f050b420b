// The four per-axle lists: entries, their sums and the rules that judge them.
#include "model/subclass.h"

#include "model/numberreading.h"

#include <QDebug>
#include <QtNumeric>

#include <algorithm>

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

bool weight_within(float weight)
{
    return weight > 0.0f && qIsFinite(weight);
}

bool tyre_type_within(int type)
{
    return type >= 1 && type <= 4;
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

bool Subclass::is_max_axle_weight_valid(int index) const
{
    if (!held(max_axle_weights, index)) {
        qWarning() << "is_max_axle_weight_valid: Checking if a nonexistent index " << index
                   << " exists in array of size " << max_axle_weights.size();
        return false;
    }
    return weight_within(max_axle_weights.float_at(index));
}

bool Subclass::is_tyre_type_valid(int index) const
{
    if (!held(tyre_types, index)) {
        qWarning() << "is_tyre_type_valid: Checking if a nonexistent index " << index
                   << " exists in array of size " << tyre_types.size();
        return false;
    }
    return tyre_type_within(tyre_types.int_at(index));
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
    return min_distance_within(min_distances.float_at(index), max_distances.float_at(index),
                               read_float(header_min), read_float(header_max));
}

bool Subclass::is_max_distance_valid(int index, const QString& header_min,
                                     const QString& header_max) const
{
    if (!held(max_distances, index) || min_distances.size() != max_distances.size()) {
        warn_max_distance_missing(index, max_distances.size());
        return false;
    }
    return max_distance_within(min_distances.float_at(index), max_distances.float_at(index),
                               read_float(header_min), read_float(header_max));
}

bool Subclass::are_axles_valid(qint64 axles, float header_min, float header_max,
                               const TextList::Floats& mins, const TextList::Floats& maxes,
                               float* lowest, float* highest) const
{
    // Each loop stops at the first entry the lists do not hold, so it never runs further than
    // the lists reach, whatever number_of_axles says.
    float low = qInf();
    float high = -qInf();
    for (qint64 i = 0; i < axles - 1; ++i) {
        // is_min_distance_valid, then is_max_distance_valid, with their warnings.
        if (i >= mins.size()) {
            warn_min_distance_missing(int(i), mins.size());
            return false;
        }
        if (i >= maxes.size())
            return false;
        const float min = mins[int(i)];
        const float max = maxes[int(i)];
        if (!min_distance_within(min, max, header_min, header_max))
            return false;
        if (mins.size() != maxes.size()) {
            warn_max_distance_missing(int(i), maxes.size());
            return false;
        }
        if (!max_distance_within(min, max, header_min, header_max))
            return false;
        low = std::min(low, min);
        high = std::max(high, max);
    }
    const TextList::Floats weights = max_axle_weights.floats();
    const TextList::Ints types = tyre_types.ints();
    for (qint64 i = 0; i < axles; ++i) {
        // An axle a list does not hold fails with the warning of the rule that judges it.
        if (i >= weights.size())
            return is_max_axle_weight_valid(int(i));
        if (!weight_within(weights[int(i)]))
            return false;
        if (i >= types.size())
            return is_tyre_type_valid(int(i));
        if (!tyre_type_within(types[int(i)]))
            return false;
    }
    *lowest = low;
    *highest = high;
    return true;
}
