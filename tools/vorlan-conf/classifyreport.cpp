#include "classifyreport.h"

#include "commandline.h"

#include "model/classificationtally.h"
#include "model/vehicleclassifier.h"

#include <QJsonArray>
#include <QMap>
#include <QStringList>
#include <QtNumeric>

namespace {

QJsonValue number_or_null(double value)
{
    return qIsFinite(value) ? QJsonValue(value) : QJsonValue();
}

double share(qint64 part, qint64 whole)
{
    return whole > 0 ? double(part) / double(whole) : 0.0;
}

QJsonObject count_and_share(qint64 count, qint64 whole)
{
    return {{QStringLiteral("count"), double(count)},
            {QStringLiteral("share"), share(count, whole)}};
}

QJsonObject truth_json(const ClassificationTally& tally)
{
    QJsonObject confusion;
    const auto matrix = tally.confusion();
    for (auto row = matrix.cbegin(); row != matrix.cend(); ++row) {
        QJsonObject cells;
        for (auto cell = row.value().cbegin(); cell != row.value().cend(); ++cell)
            cells.insert(outcome_name(cell.key()), double(cell.value()));
        confusion.insert(QString::number(row.key()), cells);
    }
    QJsonObject scores;
    const auto all = tally.scores();
    for (auto it = all.cbegin(); it != all.cend(); ++it)
        scores.insert(QString::number(it.key()),
                      QJsonObject{{QStringLiteral("precision"), number_or_null(it->precision())},
                                  {QStringLiteral("recall"), number_or_null(it->recall())},
                                  {QStringLiteral("f1"), number_or_null(it->f1())}});
    return {{QStringLiteral("vehicles"), double(tally.with_truth())},
            {QStringLiteral("accuracy"), number_or_null(tally.accuracy())},
            {QStringLiteral("confusion"), confusion},
            {QStringLiteral("scores"), scores}};
}

QString percent(double part)
{
    return QString::number(100 * part, 'f', 1) + QLatin1Char('%');
}

QString score_text(const QJsonValue& value)
{
    return value.isNull() ? QStringLiteral("-") : QString::number(value.toDouble(), 'f', 3);
}

// "12 950, unmatched 3" from {"12": 950, "unmatched": 3}; with a prefix, "class 9 950".
QString cells_text(const QJsonObject& cells, const QString& prefix = QString())
{
    QStringList parts;
    for (auto it = cells.constBegin(); it != cells.constEnd(); ++it)
        parts << prefix + it.key() + QLatin1Char(' ') +
                     QString::number(qint64(it.value().toDouble()));
    return parts.join(QStringLiteral(", "));
}

qint64 count_of(const QJsonValue& value)
{
    return qint64(value.toDouble());
}

// The members of an object keyed by subclass number, in the order of the numbers.
QMap<quint32, QJsonObject> by_number(const QJsonValue& object)
{
    QMap<quint32, QJsonObject> ordered;
    const QJsonObject members = object.toObject();
    for (auto it = members.constBegin(); it != members.constEnd(); ++it)
        ordered.insert(it.key().toUInt(), it.value().toObject());
    return ordered;
}

} // namespace

QString outcome_name(qint64 outcome)
{
    if (outcome == ClassificationTally::ambiguous)
        return QStringLiteral("ambiguous");
    if (outcome == ClassificationTally::unmatched)
        return QStringLiteral("unmatched");
    return QString::number(outcome);
}

QJsonObject skipped_json(const VehicleClassifier& classifier)
{
    QJsonArray not_applied;
    for (const NotApplied& rule : classifier.not_applied())
        not_applied.append(QJsonObject{{QStringLiteral("subclass"), double(rule.subclass)},
                                       {QStringLiteral("field"), rule.field},
                                       {QStringLiteral("value"), rule.value},
                                       {QStringLiteral("why"), rule.why}});
    return {{QStringLiteral("invalid_skipped"), json_numbers(classifier.invalid_skipped())},
            {QStringLiteral("not_applied"), not_applied}};
}

QJsonObject classify_json(const ClassificationTally& tally, const VehicleClassifier& classifier)
{
    QJsonObject json = skipped_json(classifier);
    const qint64 readable = tally.readable();
    json.insert(QStringLiteral("vehicles"), double(readable));
    json.insert(QStringLiteral("matched_alone"), count_and_share(tally.matched_alone(), readable));
    QJsonObject ambiguous = count_and_share(tally.ambiguous_vehicles(), readable);
    ambiguous.insert(QStringLiteral("across_categories"), double(tally.across_categories()));
    json.insert(QStringLiteral("ambiguous"), ambiguous);
    QJsonObject unmatched = count_and_share(tally.unmatched_vehicles(), readable);
    unmatched.insert(QStringLiteral("first_lines"), json_numbers(tally.first_unmatched_lines()));
    json.insert(QStringLiteral("unmatched"), unmatched);
    QJsonArray unreadable_lines;
    for (const auto& [line, problem] : tally.first_unreadable())
        unreadable_lines.append(QJsonObject{{QStringLiteral("line"), double(line)},
                                            {QStringLiteral("problem"), problem}});
    json.insert(QStringLiteral("unreadable"),
                QJsonObject{{QStringLiteral("count"), double(tally.unreadable())},
                            {QStringLiteral("first"), unreadable_lines}});

    QJsonObject subclasses;
    const auto per_subclass = tally.subclasses();
    for (auto it = per_subclass.cbegin(); it != per_subclass.cend(); ++it)
        subclasses.insert(QString::number(it.key()),
                          QJsonObject{{QStringLiteral("alone"), double(it->alone)},
                                      {QStringLiteral("shared"), double(it->shared)},
                                      {QStringLiteral("over_limits"), double(it->over_limits)}});
    json.insert(QStringLiteral("subclasses"), subclasses);
    QJsonObject categories;
    const auto per_category = tally.categories();
    for (auto it = per_category.cbegin(); it != per_category.cend(); ++it)
        categories.insert(it.key(), QJsonObject{{QStringLiteral("alone"), double(it->alone)},
                                                {QStringLiteral("shared"), double(it->shared)}});
    json.insert(QStringLiteral("categories"), categories);

    json.insert(QStringLiteral("truth"),
                tally.with_truth() > 0 ? QJsonValue(truth_json(tally)) : QJsonValue());
    const auto scheme = tally.scheme_classes();
    QJsonObject scheme_json;
    for (auto row = scheme.cbegin(); row != scheme.cend(); ++row) {
        QJsonObject cells;
        for (auto cell = row.value().cbegin(); cell != row.value().cend(); ++cell)
            cells.insert(QString::number(cell.key()), double(cell.value()));
        scheme_json.insert(outcome_name(row.key()), cells);
    }
    json.insert(QStringLiteral("scheme_classes"),
                scheme.isEmpty() ? QJsonValue() : QJsonValue(scheme_json));
    return json;
}

QString classify_text(const QJsonObject& json, const QString& conf_name,
                      const QString& vehicles_name)
{
    QStringList lines;
    lines << QStringLiteral("%1 with vehicles from %2").arg(conf_name, vehicles_name);
    const QJsonObject unreadable = json.value("unreadable").toObject();
    lines << QStringLiteral("vehicles: %1 read, %2 unreadable")
                 .arg(count_of(json.value("vehicles")))
                 .arg(count_of(unreadable.value("count")));
    for (const QJsonValue& entry : unreadable.value("first").toArray())
        lines << QStringLiteral("  line %1: %2")
                     .arg(count_of(entry.toObject().value("line")))
                     .arg(entry.toObject().value("problem").toString());
    const auto counted = [&json](const char* key) {
        const QJsonObject part = json.value(QLatin1String(key)).toObject();
        return QStringLiteral("%1 (%2)")
            .arg(count_of(part.value("count")))
            .arg(percent(part.value("share").toDouble()));
    };
    lines << QStringLiteral("matched one subclass: ") + counted("matched_alone");
    lines << QStringLiteral("ambiguous: %1, %2 of them across categories")
                 .arg(counted("ambiguous"))
                 .arg(count_of(json.value("ambiguous").toObject().value("across_categories")));
    QStringList first;
    for (const QJsonValue& line : json.value("unmatched").toObject().value("first_lines").toArray())
        first << QString::number(count_of(line));
    lines << QStringLiteral("unmatched: ") + counted("unmatched") +
                 (first.isEmpty()
                      ? QString()
                      : QStringLiteral(", first at lines ") + first.join(QStringLiteral(", ")));

    lines << QStringLiteral("per subclass: alone, shared, over its limits");
    const QMap<quint32, QJsonObject> subclasses = by_number(json.value("subclasses"));
    for (auto it = subclasses.cbegin(); it != subclasses.cend(); ++it)
        lines << QStringLiteral("  %1: %2, %3, %4")
                     .arg(it.key())
                     .arg(count_of(it->value("alone")))
                     .arg(count_of(it->value("shared")))
                     .arg(count_of(it->value("over_limits")));
    lines << QStringLiteral("per category: alone, shared within the category");
    const QJsonObject categories = json.value("categories").toObject();
    for (auto it = categories.constBegin(); it != categories.constEnd(); ++it)
        lines << QStringLiteral("  %1: %2, %3")
                     .arg(it.key())
                     .arg(count_of(it.value().toObject().value("alone")))
                     .arg(count_of(it.value().toObject().value("shared")));

    const QJsonValue truth = json.value("truth");
    if (truth.isObject()) {
        const QJsonObject t = truth.toObject();
        lines << QStringLiteral("true subclasses: %1 vehicles, accuracy %2 (ambiguous and "
                                "unmatched vehicles count as wrong)")
                     .arg(count_of(t.value("vehicles")))
                     .arg(t.value("accuracy").isNull() ? QStringLiteral("-")
                                                       : percent(t.value("accuracy").toDouble()));
        lines << QStringLiteral("per subclass: precision, recall, F1");
        const QMap<quint32, QJsonObject> scores = by_number(t.value("scores"));
        for (auto it = scores.cbegin(); it != scores.cend(); ++it)
            lines << QStringLiteral("  %1: %2, %3, %4")
                         .arg(it.key())
                         .arg(score_text(it->value("precision")), score_text(it->value("recall")),
                              score_text(it->value("f1")));
        lines << QStringLiteral("confusion: true subclass: outcomes");
        const QMap<quint32, QJsonObject> rows = by_number(t.value("confusion"));
        for (auto it = rows.cbegin(); it != rows.cend(); ++it)
            lines << QStringLiteral("  %1: %2").arg(it.key()).arg(cells_text(*it));
    }
    const QJsonValue scheme = json.value("scheme_classes");
    if (scheme.isObject()) {
        lines << QStringLiteral("vehicle classes of the records, per outcome:");
        const QJsonObject table = scheme.toObject();
        for (auto it = table.constBegin(); it != table.constEnd(); ++it)
            lines << QStringLiteral("  %1: %2")
                         .arg(it.key(),
                              cells_text(it.value().toObject(), QStringLiteral("class ")));
    }

    lines << skipped_text(json);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QStringList skipped_text(const QJsonObject& json)
{
    QStringList lines;
    lines << QStringLiteral("invalid subclasses, never candidates: ") +
                 numbers_text(json.value("invalid_skipped").toArray());
    const QJsonArray not_applied = json.value("not_applied").toArray();
    lines << (not_applied.isEmpty() ? QStringLiteral("not applied: nothing")
                                    : QStringLiteral("not applied:"));
    for (const QJsonValue& entry : not_applied) {
        const QJsonObject rule = entry.toObject();
        lines << QStringLiteral("  subclass %1 %2=%3: %4")
                     .arg(count_of(rule.value("subclass")))
                     .arg(rule.value("field").toString(), rule.value("value").toString(),
                          rule.value("why").toString());
    }
    return lines;
}
