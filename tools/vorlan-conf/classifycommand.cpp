// vorlan-conf classify: measured vehicles through the table.
#include "classifyreport.h"
#include "commandline.h"
#include "commands.h"
#include "vehicleinput.h"

#include "model/classificationtally.h"
#include "model/conf.h"
#include "model/vehicleclassifier.h"

#include <QJsonDocument>

#include <cstdio>

namespace {

void append_numbers(QByteArray& line, const QVarLengthArray<quint32, 8>& numbers)
{
    for (int i = 0; i < numbers.size(); ++i) {
        if (i > 0)
            line += ' ';
        line += QByteArray::number(numbers.at(i));
    }
}

} // namespace

int run_classify(const QStringList& arguments)
{
    Command command;
    if (!command.start(QStringLiteral("classify"), arguments, {"--json", "--per-vehicle"},
                       {"--length-unit", "--weight-unit"}, 2, 1))
        return fail(command.problem);
    const Arguments& args = command.args;
    const Conf& conf = command.tables.first();
    VehicleInput input;
    QString problem;
    if (!input.open(args.files.at(1), args, conf, problem))
        return fail(problem);

    const VehicleClassifier classifier(conf);
    ClassificationTally tally(classifier);
    const bool per_vehicle = args.has("--per-vehicle");
    if (per_vehicle)
        write_out("line,candidates,over_limits\n");
    VehicleReader& reader = input.reader();
    VehicleRecord record;
    VehicleOutcome outcome;
    QByteArray line;
    for (;;) {
        const VehicleReader::Status status = reader.next(record);
        if (status == VehicleReader::Status::end)
            break;
        if (status == VehicleReader::Status::unreadable) {
            tally.add_unreadable(record.line, reader.problem());
            continue;
        }
        classifier.classify(record, outcome);
        tally.add(record, outcome);
        if (per_vehicle) {
            line = QByteArray::number(record.line);
            line += ',';
            append_numbers(line, outcome.candidates);
            line += ',';
            append_numbers(line, outcome.over_limits);
            line += '\n';
            write_out(line);
        }
    }
    if (!reader.file_problem().isEmpty())
        return fail(args.files.at(1) + QStringLiteral(": ") + reader.file_problem());

    // With --per-vehicle standard output carries the records, so the report goes aside.
    const QJsonObject json = classify_json(tally, classifier);
    const QByteArray report =
        args.has("--json") ? QJsonDocument(json).toJson(QJsonDocument::Indented)
                           : classify_text(json, args.files.at(0), args.files.at(1)).toLocal8Bit();
    if (per_vehicle)
        write_err(report);
    else
        write_out(report);
    return tally.unmatched_vehicles() + tally.ambiguous_vehicles() + tally.unreadable() > 0 ? 1 : 0;
}
