#pragma once

#include "model/subclass.h"

#include <QList>
#include <QMap>
#include <QString>

#include <set>
#include <utility>

class Conf;

// Every subclass's verdict (is_subclass_valid) against the header's axle-distance limits, kept so
// that a change of a limit judges again only the subclasses whose verdict it can change. Each
// subclass is judged once apart from the limits; what the limits then judge is only the lowest
// min. and the highest max. axle distance of its gaps, and those are kept in order.
class LimitVerdicts
{
public:
    // Judges every subclass of the configuration against its header's limits.
    void rebuild(const Conf& conf);
    // A subclass added or changed, or removed (null).
    void update(quint32 number, const Subclass* subclass);
    // Takes the limits the header now holds; returns the subclasses whose verdict changed,
    // ascending.
    QList<quint32> set_limits(const QString& header_min, const QString& header_max);

    bool is_valid(quint32 number) const;
    QList<quint32> invalid_numbers() const;
    // Conf::highest_max_distance, without reading every subclass.
    float highest_max_distance() const;

private:
    struct Entry
    {
        Subclass::LimitFreeVerdict apart;
        bool valid = false; // against the limits held
    };

    bool within_limits(const Entry& entry) const;
    void erase(quint32 number);

    QMap<quint32, Entry> entries;
    // The subclasses valid apart from the limits, by their lowest and their highest distance.
    std::set<std::pair<float, quint32>> by_lowest;
    std::set<std::pair<float, quint32>> by_highest;
    std::multiset<float> highest_entries;
    float min = 0.0f;
    float max = 0.0f;
};
