// Verdicts against the header's axle-distance limits, judged again only where a limit moved.
#include "model/limitverdicts.h"

#include "model/conf.h"

#include <QtNumeric>

#include <algorithm>
#include <limits>
#include <vector>

void LimitVerdicts::rebuild(const Conf& conf)
{
    entries.clear();
    min = conf.get_min_axle_distance__m().toFloat();
    max = conf.get_max_axle_distance__m().toFloat();
    // The ordered sets are made from sorted arrays at the end, which spares every insertion its
    // search: a rebuild is part of every Open.
    std::vector<std::pair<float, quint32>> lowest, highest;
    std::vector<float> highest_of_all;
    const QMap<quint32, Subclass>& subclasses = conf.all_subclasses();
    lowest.reserve(size_t(subclasses.size()));
    highest.reserve(size_t(subclasses.size()));
    highest_of_all.reserve(size_t(subclasses.size()));
    for (auto it = subclasses.cbegin(); it != subclasses.cend(); ++it) {
        Entry entry{it->judge_apart_from_limits()};
        entry.valid = within_limits(entry);
        if (entry.apart.valid) {
            lowest.push_back({entry.apart.lowest, it.key()});
            highest.push_back({entry.apart.highest, it.key()});
        }
        if (entry.apart.highest_entry > -qInf())
            highest_of_all.push_back(entry.apart.highest_entry);
        entries.insert(entries.cend(), it.key(), entry);
    }
    std::sort(lowest.begin(), lowest.end());
    std::sort(highest.begin(), highest.end());
    std::sort(highest_of_all.begin(), highest_of_all.end());
    by_lowest = std::set<std::pair<float, quint32>>(lowest.begin(), lowest.end());
    by_highest = std::set<std::pair<float, quint32>>(highest.begin(), highest.end());
    highest_entries = std::multiset<float>(highest_of_all.begin(), highest_of_all.end());
}

bool LimitVerdicts::within_limits(const Entry& entry) const
{
    // Once each gap holds a finite min. no greater than its max., every min. is at least the
    // header's minimum and every max. at most its maximum exactly when these two are.
    return entry.apart.valid && entry.apart.lowest >= min && entry.apart.highest <= max;
}

void LimitVerdicts::update(quint32 number, const Subclass* subclass)
{
    erase(number);
    if (!subclass)
        return;
    Entry entry{subclass->judge_apart_from_limits()};
    if (entry.apart.valid) {
        by_lowest.insert({entry.apart.lowest, number});
        by_highest.insert({entry.apart.highest, number});
    }
    if (entry.apart.highest_entry > -qInf())
        highest_entries.insert(entry.apart.highest_entry);
    entry.valid = within_limits(entry);
    entries.insert(number, entry);
}

void LimitVerdicts::erase(quint32 number)
{
    const auto found = entries.find(number);
    if (found == entries.end())
        return;
    by_lowest.erase({found->apart.lowest, number});
    by_highest.erase({found->apart.highest, number});
    const auto entry = highest_entries.find(found->apart.highest_entry);
    if (entry != highest_entries.end())
        highest_entries.erase(entry);
    entries.erase(found);
}

QList<quint32> LimitVerdicts::set_limits(const QString& header_min, const QString& header_max)
{
    const float old_min = min;
    const float old_max = max;
    min = header_min.toFloat();
    max = header_max.toFloat();

    // A lowest distance changes its verdict only between the old and the new minimum, a highest
    // one only between the old and the new maximum; not-a-number moves every verdict.
    QList<quint32> candidates;
    if (qIsNaN(old_min) || qIsNaN(min) || qIsNaN(old_max) || qIsNaN(max)) {
        for (const auto& [lowest, number] : by_lowest)
            candidates << number;
    } else {
        const float low_min = std::min(old_min, min), high_min = std::max(old_min, min);
        for (auto it = by_lowest.lower_bound({low_min, 0});
             it != by_lowest.end() && it->first < high_min; ++it)
            candidates << it->second;
        const float low_max = std::min(old_max, max), high_max = std::max(old_max, max);
        for (auto it = by_highest.upper_bound({low_max, std::numeric_limits<quint32>::max()});
             it != by_highest.end() && it->first <= high_max; ++it)
            candidates << it->second;
    }

    QList<quint32> changed;
    for (quint32 number : candidates) {
        Entry& entry = entries[number];
        const bool valid = within_limits(entry);
        if (valid != entry.valid) {
            entry.valid = valid;
            changed << number;
        }
    }
    std::sort(changed.begin(), changed.end());
    return changed;
}

bool LimitVerdicts::is_valid(quint32 number) const
{
    return entries.value(number).valid;
}

QList<quint32> LimitVerdicts::invalid_numbers() const
{
    QList<quint32> numbers;
    for (auto it = entries.cbegin(); it != entries.cend(); ++it) {
        if (!it->valid)
            numbers << it.key();
    }
    return numbers;
}

float LimitVerdicts::highest_max_distance() const
{
    return highest_entries.empty() ? -qInf() : *highest_entries.rbegin();
}
