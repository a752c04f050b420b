#pragma once

#include "model/matchrule.h"

#include <QList>
#include <QVarLengthArray>
#include <QVector>

class Conf;

// The subclasses a vehicle matches and those whose weight limits it exceeds, ascending.
struct VehicleOutcome
{
    QVarLengthArray<quint32, 8> candidates;
    QVarLengthArray<quint32, 8> over_limits;

    void clear()
    {
        candidates.clear();
        over_limits.clear();
    }
};

// Classifies vehicles by the matching rule (MatchRule) against the valid subclasses of a
// configuration. Built once per table; a changed table needs a new classifier, which is cheap.
// Only the rules that can match are tried: those of the vehicle's axle count whose first gap
// holds the vehicle's first spacing.
class VehicleClassifier
{
public:
    explicit VehicleClassifier(const Conf& conf);

    void classify(const VehicleRecord& vehicle, VehicleOutcome& outcome) const;
    // Every valid subclass tried in turn: what classify must always agree with.
    void classify_plainly(const VehicleRecord& vehicle, VehicleOutcome& outcome) const;

    // The valid subclasses, ascending.
    const QVector<MatchRule>& rules() const { return all_rules; }
    // The subclasses that are never candidates because they are invalid.
    const QList<quint32>& invalid_skipped() const { return invalid; }
    // What the rule leaves out, subclass by subclass.
    QVector<NotApplied> not_applied() const;

private:
    // The rules of one axle count, and for each stretch of first-gap spacings the rules whose
    // first gap reaches into it.
    struct Group
    {
        double from = 0;
        double scale = 0;
        QVector<QVector<int>> bins;
    };

    int bin_of(const Group& group, float spacing) const;
    void try_rule(int rule, const VehicleRecord& vehicle, VehicleOutcome& outcome) const;

    QVector<MatchRule> all_rules;
    QVector<Group> groups; // by axle count
    QList<quint32> invalid;
};
