// vorlan-conf gaps: axle counts and spacings that no subclass covers.
#include "commandline.h"
#include "commands.h"

#include "model/conf.h"
#include "model/coveragegaps.h"

#include <QJsonArray>

namespace {

// [0.8, 3.59), (3.59, 3.6), ...
QString range_text(const RealRange& range)
{
    if (range.from == range.to)
        return float_text(float(range.from)) + QStringLiteral(" only");
    return QStringLiteral("%1%2, %3%4")
        .arg(range.from_open ? '(' : '[')
        .arg(float_text(float(range.from)), float_text(float(range.to)))
        .arg(range.to_open ? ')' : ']');
}

QJsonArray ranges_json(const QVector<RealRange>& ranges)
{
    QJsonArray array;
    for (const RealRange& range : ranges)
        array.append(QJsonObject{{QStringLiteral("from"), float_text(float(range.from)).toDouble()},
                                 {QStringLiteral("to"), float_text(float(range.to)).toDouble()},
                                 {QStringLiteral("from_open"), range.from_open},
                                 {QStringLiteral("to_open"), range.to_open}});
    return array;
}

} // namespace

int run_gaps(const QStringList& arguments)
{
    Command command;
    if (!command.start(QStringLiteral("gaps"), arguments, {"--json"}, {}, 1, 1))
        return fail(command.problem);
    const Arguments& args = command.args;
    const Conf& conf = command.tables.first();
    const CoverageReport report = find_gaps(conf);
    if (!report.problem.isEmpty())
        return fail(args.files.at(0) + QStringLiteral(": ") + report.problem);

    if (args.has("--json")) {
        QJsonArray uncovered;
        for (const UncoveredRegion& region : report.uncovered)
            uncovered.append(QJsonObject{{QStringLiteral("axles"), region.axles},
                                         {QStringLiteral("gaps"), ranges_json(region.gaps)},
                                         {QStringLiteral("witness"), json_numbers(region.witness)},
                                         {QStringLiteral("thin"), region.thin}});
        QJsonObject narrowed;
        for (auto it = report.narrowed.cbegin(); it != report.narrowed.cend(); ++it)
            narrowed.insert(QString::number(it.key()), json_numbers(it.value()));
        write_json(
            {{QStringLiteral("missing_axle_counts"), json_numbers(report.missing_axle_counts)},
             {QStringLiteral("uncovered"), uncovered},
             {QStringLiteral("narrowed"), narrowed},
             {QStringLiteral("unreachable"), json_numbers(report.unreachable)},
             {QStringLiteral("invalid_skipped"), json_numbers(report.invalid_skipped)},
             {QStringLiteral("truncated"), report.truncated}});
    } else {
        QStringList lines;
        lines << args.files.at(0);
        lines << QStringLiteral("every gap within %1 to %2 m (the header's axle distances)")
                     .arg(conf.get_min_axle_distance__m().isEmpty()
                              ? QStringLiteral("0")
                              : conf.get_min_axle_distance__m(),
                          conf.get_max_axle_distance__m());
        lines << QStringLiteral("invalid subclasses, not counted: ") +
                     numbers_text(report.invalid_skipped);
        lines << QStringLiteral("axle counts without a subclass: ") +
                     numbers_text(report.missing_axle_counts);
        lines << QStringLiteral("uncovered regions: %1%2")
                     .arg(report.uncovered.size())
                     .arg(report.truncated ? QStringLiteral(" (the search stopped there; there "
                                                            "are more)")
                                           : QString());
        for (const UncoveredRegion& region : report.uncovered) {
            QStringList gaps;
            for (int i = 0; i < region.gaps.size(); ++i)
                gaps << QStringLiteral("gap %1 %2").arg(i + 1).arg(range_text(region.gaps.at(i)));
            lines << QStringLiteral("  %1 axles: %2; e.g. %3 m%4")
                         .arg(region.axles)
                         .arg(gaps.join(QStringLiteral(", ")), reals_text(region.witness),
                              region.thin ? QStringLiteral("; thin, likely a slip") : QString());
        }
        lines << QStringLiteral("subclasses no vehicle can match (their combined distance "
                                "constraints contradict their gap ranges): ") +
                     numbers_text(report.unreachable);
        for (auto it = report.narrowed.cbegin(); it != report.narrowed.cend(); ++it)
            lines << QStringLiteral("  %1 axles: combined distance constraints of subclasses %2 "
                                    "leave more uncovered within their gap ranges")
                         .arg(it.key())
                         .arg(numbers_text(it.value()));
        write_out((lines.join(QLatin1Char('\n')) + QLatin1Char('\n')).toLocal8Bit());
    }
    return report.missing_axle_counts.isEmpty() && report.uncovered.isEmpty() &&
                   report.unreachable.isEmpty()
               ? 0
               : 1;
}
