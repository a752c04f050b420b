#pragma once

#include <QHash>
#include <QMap>
#include <QPair>
#include <QString>
#include <QVector>

class VehicleClassifier;
struct VehicleOutcome;
struct VehicleRecord;

// What a run of vehicles through a classifier came to: per subclass and per category, the
// vehicles it matched alone, shared with other subclasses, and found over its limits; the
// unmatched and unreadable records; and, where the records carry them, the true subclasses
// (confusion matrix and scores) and the classes of another scheme. Its size depends on the
// table, never on the number of records.
class ClassificationTally
{
public:
    // A vehicle's outcome: the one subclass it matched, or one of these.
    static constexpr qint64 ambiguous = -1;
    static constexpr qint64 unmatched = -2;
    static qint64 outcome_of(const VehicleOutcome& outcome);
    // How many line numbers of unmatched and unreadable records are kept.
    static constexpr int first_lines_kept = 20;

    struct SubclassCounts
    {
        qint64 alone = 0;
        qint64 shared = 0;
        qint64 over_limits = 0;
    };
    struct CategoryCounts
    {
        qint64 alone = 0;
        qint64 shared = 0; // ambiguous, but every candidate of this category
    };
    struct Score
    {
        qint64 correct = 0;
        qint64 predicted = 0; // vehicles given this subclass alone
        qint64 actual = 0;    // vehicles truly of this subclass
        double precision() const;
        double recall() const;
        double f1() const; // NaN where undefined
    };

    explicit ClassificationTally(const VehicleClassifier& classifier);

    void add(const VehicleRecord& vehicle, const VehicleOutcome& outcome);
    void add_unreadable(qint64 line, const QString& problem);

    qint64 readable() const { return readable_count; }
    qint64 unreadable() const { return unreadable_count; }
    qint64 matched_alone() const { return alone_count; }
    qint64 ambiguous_vehicles() const { return ambiguous_count; }
    qint64 unmatched_vehicles() const { return unmatched_count; }
    // Ambiguous vehicles whose candidates lie in more than one category.
    qint64 across_categories() const { return across_count; }
    const QVector<qint64>& first_unmatched_lines() const { return unmatched_lines; }
    const QVector<QPair<qint64, QString>>& first_unreadable() const { return unreadable_lines; }

    // Every valid subclass, matched or not.
    QMap<quint32, SubclassCounts> subclasses() const;
    QMap<QString, CategoryCounts> categories() const;

    // Vehicles that carry a true subclass; ambiguous and unmatched ones count as wrong.
    qint64 with_truth() const { return truth_count; }
    double accuracy() const;
    // True subclass, then outcome, then vehicles.
    QMap<quint32, QMap<qint64, qint64>> confusion() const;
    // Every subclass that was a true subclass or an outcome.
    QMap<quint32, Score> scores() const;
    // Outcome, then the other scheme's class, then vehicles.
    QMap<qint64, QMap<int, qint64>> scheme_classes() const;

private:
    QVector<quint32> numbers;
    QHash<quint32, int> index_of;
    QVector<QString> category_of;
    QVector<SubclassCounts> counts;
    QHash<QString, CategoryCounts> category_counts;
    QHash<quint32, QHash<qint64, qint64>> confusion_counts;
    QHash<qint64, QHash<int, qint64>> scheme_counts;
    QVector<qint64> unmatched_lines;
    QVector<QPair<qint64, QString>> unreadable_lines;
    qint64 readable_count = 0;
    qint64 unreadable_count = 0;
    qint64 alone_count = 0;
    qint64 ambiguous_count = 0;
    qint64 unmatched_count = 0;
    qint64 across_count = 0;
    qint64 truth_count = 0;
    qint64 correct_count = 0;
};
