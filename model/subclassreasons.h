#pragma once

#include <QMap>
#include <QString>
#include <QVector>

class Conf;
class Subclass;

// One failing field of a subclass, in words: the window puts "subclass N: " before the message
// ("subclass 22: tyre type of axle 3 is 5, must be 1 to 4").
struct SubclassReason
{
    QString field;   // the file key; combined weight limits count as max_axle_weight__kN
    int index = 0;   // the axle or gap number from 1 for per-axle values, 0 for none
    QString value;   // the text the subclass holds
    QString message; // what is wrong with it

    bool operator==(const SubclassReason& other) const;
};

using SubclassReasons = QVector<SubclassReason>;

// Every field that makes is_subclass_valid fail against the header's min and max axle distance
// texts: empty exactly when the subclass is valid. While the axle count itself is invalid, no
// per-axle value is judged.
SubclassReasons subclass_reasons(const Subclass& subclass, const QString& header_min,
                                 const QString& header_max);

// Every field that makes Conf::is_complete_for_saving fail: empty exactly when the subclass
// may be saved.
SubclassReasons saving_reasons(const Subclass& subclass);

// The reasons of every invalid subclass of a configuration, by subclass number.
QMap<quint32, SubclassReasons> invalid_subclass_reasons(const Conf& conf);
