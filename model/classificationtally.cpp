#include "model/classificationtally.h"

#include "model/vehicleclassifier.h"

#include <QtNumeric>

namespace {

double ratio(qint64 part, qint64 whole)
{
    return whole > 0 ? double(part) / double(whole) : qQNaN();
}

// Counts kept by hash, handed out in order.
template <typename Row, typename Column>
QMap<Row, QMap<Column, qint64>> ordered(const QHash<Row, QHash<Column, qint64>>& counts)
{
    QMap<Row, QMap<Column, qint64>> table;
    for (auto row = counts.cbegin(); row != counts.cend(); ++row) {
        QMap<Column, qint64>& cells = table[row.key()];
        for (auto cell = row.value().cbegin(); cell != row.value().cend(); ++cell)
            cells.insert(cell.key(), cell.value());
    }
    return table;
}

} // namespace

double ClassificationTally::Score::precision() const
{
    return ratio(correct, predicted);
}

double ClassificationTally::Score::recall() const
{
    return ratio(correct, actual);
}

double ClassificationTally::Score::f1() const
{
    const double p = precision(), r = recall();
    if (!(p + r > 0))
        return p == 0 && r == 0 ? 0.0 : qQNaN();
    return 2 * p * r / (p + r);
}

qint64 ClassificationTally::outcome_of(const VehicleOutcome& outcome)
{
    if (outcome.candidates.isEmpty())
        return unmatched;
    return outcome.candidates.size() == 1 ? qint64(outcome.candidates.first()) : ambiguous;
}

ClassificationTally::ClassificationTally(const VehicleClassifier& classifier)
{
    for (const MatchRule& rule : classifier.rules()) {
        index_of.insert(rule.number(), numbers.size());
        numbers.append(rule.number());
        category_of.append(rule.category());
    }
    counts.resize(numbers.size());
}

void ClassificationTally::add(const VehicleRecord& vehicle, const VehicleOutcome& outcome)
{
    ++readable_count;
    const qint64 result = outcome_of(outcome);
    for (quint32 number : outcome.candidates) {
        SubclassCounts& count = counts[index_of.value(number)];
        ++(result == ambiguous ? count.shared : count.alone);
    }
    for (quint32 number : outcome.over_limits)
        ++counts[index_of.value(number)].over_limits;

    if (result == unmatched) {
        ++unmatched_count;
        if (unmatched_lines.size() < first_lines_kept)
            unmatched_lines.append(vehicle.line);
    } else if (result == ambiguous) {
        ++ambiguous_count;
        const QString& category = category_of.at(index_of.value(outcome.candidates.first()));
        bool one_category = true;
        for (quint32 number : outcome.candidates)
            one_category = one_category && category_of.at(index_of.value(number)) == category;
        if (one_category)
            ++category_counts[category].shared;
        else
            ++across_count;
    } else {
        ++alone_count;
        ++category_counts[category_of.at(index_of.value(quint32(result)))].alone;
    }

    if (vehicle.has_truth) {
        ++truth_count;
        correct_count += result == qint64(vehicle.truth);
        ++confusion_counts[vehicle.truth][result];
    }
    if (vehicle.scheme_class >= 0)
        ++scheme_counts[result][vehicle.scheme_class];
}

void ClassificationTally::add_unreadable(qint64 line, const QString& problem)
{
    ++unreadable_count;
    if (unreadable_lines.size() < first_lines_kept)
        unreadable_lines.append({line, problem});
}

QMap<quint32, ClassificationTally::SubclassCounts> ClassificationTally::subclasses() const
{
    QMap<quint32, SubclassCounts> all;
    for (int i = 0; i < numbers.size(); ++i)
        all.insert(numbers.at(i), counts.at(i));
    return all;
}

QMap<QString, ClassificationTally::CategoryCounts> ClassificationTally::categories() const
{
    QMap<QString, CategoryCounts> all;
    for (const QString& category : category_of)
        all.insert(category, category_counts.value(category));
    return all;
}

double ClassificationTally::accuracy() const
{
    return ratio(correct_count, truth_count);
}

QMap<quint32, QMap<qint64, qint64>> ClassificationTally::confusion() const
{
    return ordered(confusion_counts);
}

QMap<quint32, ClassificationTally::Score> ClassificationTally::scores() const
{
    QMap<quint32, Score> all;
    for (auto row = confusion_counts.cbegin(); row != confusion_counts.cend(); ++row) {
        for (auto cell = row.value().cbegin(); cell != row.value().cend(); ++cell) {
            all[row.key()].actual += cell.value();
            if (cell.key() >= 0) {
                Score& predicted = all[quint32(cell.key())];
                predicted.predicted += cell.value();
                if (cell.key() == qint64(row.key()))
                    predicted.correct += cell.value();
            }
        }
    }
    return all;
}

QMap<qint64, QMap<int, qint64>> ClassificationTally::scheme_classes() const
{
    return ordered(scheme_counts);
}
