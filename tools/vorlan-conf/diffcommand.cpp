// vorlan-conf diff: what changed between two tables, and what it does to measured vehicles.
#include "classifyreport.h"
#include "commandline.h"
#include "commands.h"
#include "vehicleinput.h"

#include "model/classificationtally.h"
#include "model/conf.h"
#include "model/confdiff.h"
#include "model/vehicleclassifier.h"

#include <QJsonArray>

namespace {

QJsonValue text_or_null(const QString& text)
{
    return text.isNull() ? QJsonValue() : QJsonValue(text);
}

QString shown(const QString& text)
{
    return text.isNull() ? QStringLiteral("(none)") : QLatin1Char('"') + text + QLatin1Char('"');
}

QString where(const ValueChange& change)
{
    if (change.index == 0)
        return change.field;
    const bool gap = change.field.endsWith(QLatin1String("distance__m"));
    return QStringLiteral("%1 of %2 %3").arg(change.field, gap ? "gap" : "axle").arg(change.index);
}

using Migration = QMap<qint64, QMap<qint64, qint64>>;

struct Vehicles
{
    Migration migration;
    qint64 unreadable = 0;
};

bool migrate(VehicleReader& reader, const Conf& old_conf, const Conf& new_conf, Vehicles& vehicles)
{
    const VehicleClassifier old_classifier(old_conf), new_classifier(new_conf);
    VehicleRecord record;
    VehicleOutcome old_outcome, new_outcome;
    for (;;) {
        const VehicleReader::Status status = reader.next(record);
        if (status == VehicleReader::Status::end)
            break;
        if (status == VehicleReader::Status::unreadable) {
            ++vehicles.unreadable;
            continue;
        }
        old_classifier.classify(record, old_outcome);
        new_classifier.classify(record, new_outcome);
        ++vehicles.migration[ClassificationTally::outcome_of(old_outcome)]
                            [ClassificationTally::outcome_of(new_outcome)];
    }
    return reader.file_problem().isEmpty();
}

QJsonObject migration_json(const Migration& migration)
{
    QJsonObject json;
    for (auto row = migration.cbegin(); row != migration.cend(); ++row) {
        QJsonObject cells;
        for (auto cell = row.value().cbegin(); cell != row.value().cend(); ++cell)
            cells.insert(outcome_name(cell.key()), double(cell.value()));
        json.insert(outcome_name(row.key()), cells);
    }
    return json;
}

QStringList diff_text(const ConfDiff& diff, const QStringList& files)
{
    QStringList lines;
    lines << QStringLiteral("%1 -> %2").arg(files.at(0), files.at(1));
    for (const ValueChange& change : diff.header)
        lines << QStringLiteral("header %1: %2 -> %3")
                     .arg(change.field, shown(change.old_value), shown(change.new_value));
    lines << QStringLiteral("only in the old table: ") + numbers_text(diff.only_in_old);
    lines << QStringLiteral("only in the new table: ") + numbers_text(diff.only_in_new);
    lines << QStringLiteral("changed subclasses: %1").arg(diff.changed.size());
    for (auto it = diff.changed.cbegin(); it != diff.changed.cend(); ++it) {
        for (const ValueChange& change : it.value())
            lines << QStringLiteral("  subclass %1 %2: %3 -> %4")
                         .arg(it.key())
                         .arg(where(change), shown(change.old_value), shown(change.new_value));
    }
    return lines;
}

} // namespace

int run_diff(const QStringList& arguments)
{
    Command command;
    if (!command.start(QStringLiteral("diff"), arguments, {"--json"},
                       {"--vehicles", "--length-unit", "--weight-unit"}, 2, 2))
        return fail(command.problem);
    const Arguments& args = command.args;
    const Conf& old_conf = command.tables.at(0);
    const Conf& new_conf = command.tables.at(1);
    QString problem;
    const ConfDiff diff = diff_confs(old_conf, new_conf);

    const bool with_vehicles = args.values.contains(QStringLiteral("--vehicles"));
    Vehicles vehicles;
    if (with_vehicles) {
        // Tonnes and kilograms weigh through the g of the table that goes live.
        VehicleInput input;
        const QString path = args.values.value(QStringLiteral("--vehicles"));
        if (!input.open(path, args, new_conf, problem))
            return fail(problem);
        if (!migrate(input.reader(), old_conf, new_conf, vehicles))
            return fail(path + QStringLiteral(": ") + input.reader().file_problem());
    }

    if (args.has("--json")) {
        QJsonArray header;
        for (const ValueChange& change : diff.header)
            header.append(QJsonObject{{QStringLiteral("key"), change.field},
                                      {QStringLiteral("old"), text_or_null(change.old_value)},
                                      {QStringLiteral("new"), text_or_null(change.new_value)}});
        QJsonObject changed;
        for (auto it = diff.changed.cbegin(); it != diff.changed.cend(); ++it) {
            QJsonArray changes;
            for (const ValueChange& change : it.value())
                changes.append(
                    QJsonObject{{QStringLiteral("field"), change.field},
                                {QStringLiteral("index"),
                                 change.index > 0 ? QJsonValue(change.index) : QJsonValue()},
                                {QStringLiteral("old"), text_or_null(change.old_value)},
                                {QStringLiteral("new"), text_or_null(change.new_value)}});
            changed.insert(QString::number(it.key()), changes);
        }
        QJsonObject json{{QStringLiteral("header"), header},
                         {QStringLiteral("only_in_old"), json_numbers(diff.only_in_old)},
                         {QStringLiteral("only_in_new"), json_numbers(diff.only_in_new)},
                         {QStringLiteral("changed"), changed}};
        if (with_vehicles) {
            json.insert(QStringLiteral("migration"), migration_json(vehicles.migration));
            json.insert(QStringLiteral("unreadable_vehicles"), double(vehicles.unreadable));
        }
        write_json(json);
    } else {
        QStringList lines = diff_text(diff, args.files);
        if (with_vehicles) {
            lines << QStringLiteral("vehicles by outcome, old table: new table (%1 unreadable)")
                         .arg(vehicles.unreadable);
            for (auto row = vehicles.migration.cbegin(); row != vehicles.migration.cend(); ++row) {
                QStringList cells;
                for (auto cell = row.value().cbegin(); cell != row.value().cend(); ++cell)
                    cells
                        << QStringLiteral("%1 %2").arg(outcome_name(cell.key())).arg(cell.value());
                lines << QStringLiteral("  %1: %2")
                             .arg(outcome_name(row.key()), cells.join(QStringLiteral(", ")));
            }
        }
        lines << (diff.is_empty() ? QStringLiteral("result: the tables are the same")
                                  : QStringLiteral("result: the tables differ"));
        write_out((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLocal8Bit());
    }
    return diff.is_empty() ? 0 : 1;
}
