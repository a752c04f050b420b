// vorlan-conf overlaps: pairs of subclasses that one vehicle can match both.
#include "commandline.h"
#include "commands.h"

#include "model/conf.h"
#include "model/overlaps.h"

#include <QJsonArray>

int run_overlaps(const QStringList& arguments)
{
    Command command;
    if (!command.start(QStringLiteral("overlaps"), arguments, {"--json"}, {}, 1, 1))
        return fail(command.problem);
    const Arguments& args = command.args;
    const OverlapReport report = find_overlaps(command.tables.first());

    if (args.has("--json")) {
        QJsonArray overlaps;
        for (const Overlap& overlap : report.overlaps)
            overlaps.append(
                QJsonObject{{QStringLiteral("a"), double(overlap.a)},
                            {QStringLiteral("b"), double(overlap.b)},
                            {QStringLiteral("axles"), overlap.axles},
                            {QStringLiteral("tyres_differ"), overlap.tyres_differ},
                            {QStringLiteral("witness"), json_numbers(overlap.witness)}});
        write_json({{QStringLiteral("overlaps"), overlaps},
                    {QStringLiteral("invalid_skipped"), json_numbers(report.invalid_skipped)}});
    } else {
        QStringList lines;
        lines << args.files.at(0);
        lines << QStringLiteral("invalid subclasses, not compared: ") +
                     numbers_text(report.invalid_skipped);
        lines << QStringLiteral("overlapping pairs: %1").arg(report.overlaps.size());
        for (const Overlap& overlap : report.overlaps)
            lines << QStringLiteral("  %1 and %2 (%3 axles): both match spacings %4 m%5")
                         .arg(overlap.a)
                         .arg(overlap.b)
                         .arg(overlap.axles)
                         .arg(reals_text(overlap.witness),
                              overlap.tyres_differ
                                  ? QStringLiteral("; their tyre types differ, so only a site "
                                                   "that measures tyres tells them apart")
                                  : QString());
        write_out((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLocal8Bit());
    }
    return report.overlaps.isEmpty() ? 0 : 1;
}
