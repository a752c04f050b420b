#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QVector>

class Conf;

// One value that differs between two versions of a table. A null text stands for a value the
// version does not have; an empty value counts as absent.
struct ValueChange
{
    // A header key; or a subclass's file key, with combined weight limits under
    // max_axle_weight__kN and the constraint lists under adsl, awsl and max_axle_weight__kN.
    QString field;
    int index = 0; // the axle or gap number from 1 for per-axle values, 0 for none
    QString old_value;
    QString new_value;

    bool operator==(const ValueChange& other) const;
};

struct ConfDiff
{
    QVector<ValueChange> header;
    QList<quint32> only_in_old;
    QList<quint32> only_in_new;
    // Per subclass in both: scalar keys, then per-axle entries by axle or gap (those the axle
    // count uses), then constraints removed and added (compared as texts, order ignored).
    QMap<quint32, QVector<ValueChange>> changed;

    bool is_empty() const
    {
        return header.isEmpty() && only_in_old.isEmpty() && only_in_new.isEmpty() &&
               changed.isEmpty();
    }
};

ConfDiff diff_confs(const Conf& old_conf, const Conf& new_conf);
