// vorlan-conf: checks and normalises configuration files without opening the editor.
#include "checkreport.h"
#include "commandline.h"
#include "commands.h"

#include "model/conf.h"

#include <QCoreApplication>
#include <QTextCodec>

#include <cstdio>

namespace {

const char usage[] =
    "Usage: vorlan-conf format FILE\n"
    "       vorlan-conf check [--json] FILE\n"
    "       vorlan-conf overlaps [--json] FILE\n"
    "       vorlan-conf gaps [--json] FILE\n"
    "       vorlan-conf classify [--json] [--per-vehicle] [UNITS] FILE VEHICLES\n"
    "       vorlan-conf diff [--json] [--vehicles VEHICLES [UNITS]] OLD NEW\n"
    "\n"
    "Reads a vehicle-classification configuration file as the editor does.\n"
    "\n"
    "  format        writes the file as the editor would save it to standard output\n"
    "  check         reports the header rules that fail, the invalid subclasses with the\n"
    "                reasons, the first pair of duplicate subclasses, the check before saving,\n"
    "                whether the saved text would read back unchanged, where reading stopped\n"
    "                if it did, and the key lines of subclass sections a save would leave\n"
    "                out; exits 0 when the file is clean, 1 when it is not\n"
    "  overlaps      every pair of valid subclasses that one vehicle can match both, with\n"
    "                such a vehicle's spacings\n"
    "  gaps          the axle counts no valid subclass has, and the spacings within the\n"
    "                header's axle-distance range that no valid subclass covers\n"
    "  classify      runs measured vehicles through the table: per subclass and category the\n"
    "                vehicles matched alone, shared and over the limits, the unmatched ones,\n"
    "                and with a truth column the confusion matrix and scores\n"
    "  diff          what changed between two tables; with --vehicles, how the vehicles'\n"
    "                outcomes move from OLD to NEW\n"
    "  --json        the report as one JSON object\n"
    "  --per-vehicle classify writes line,candidates,over_limits per record to standard\n"
    "                output and its report to standard error\n"
    "  UNITS         --length-unit m|cm|ft and --weight-unit kN|t|kg|lb of a CSV vehicle\n"
    "                file (metres and kN by default; t and kg through the header's g)\n"
    "  VEHICLES      a CSV file with a header row (axles, spacing_1.., weight_1.., gvw,\n"
    "                tyre_1.., truth) or traffic monitoring W records; - for standard input\n"
    "  --log         also shows the reader's own warnings on standard error\n"
    "  --help        shows this text\n"
    "\n"
    "The analyses exit 0 when they find nothing, 1 when they find something (an overlap, a\n"
    "gap, an unmatched, ambiguous or unreadable vehicle, a difference).\n"
    "Exit status 2: wrong arguments, or a file cannot be read.\n";

bool show_log = false;

void message_handler(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (show_log || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    qInstallMessageHandler(message_handler);

    QStringList arguments = app.arguments().mid(1);
    if (arguments.contains(QStringLiteral("--help")) || arguments.contains(QStringLiteral("-h"))) {
        write_out(usage);
        return 0;
    }
    show_log = arguments.removeAll(QStringLiteral("--log")) > 0;
    if (arguments.isEmpty())
        return fail(QStringLiteral("no command given; try vorlan-conf --help"));
    const QString command = arguments.takeFirst();
    const std::pair<const char*, int (*)(const QStringList&)> analyses[] = {
        {"overlaps", run_overlaps},
        {"gaps", run_gaps},
        {"classify", run_classify},
        {"diff", run_diff}};
    for (const auto& [name, run] : analyses) {
        if (command == QLatin1String(name))
            return run(arguments);
    }
    const bool json =
        command == QLatin1String("check") && arguments.removeAll(QStringLiteral("--json")) > 0;
    if (command != QLatin1String("format") && command != QLatin1String("check"))
        return fail(QStringLiteral("unknown command %1; try vorlan-conf --help").arg(command));
    if (arguments.size() != 1 || arguments.first().startsWith(QLatin1String("--")))
        return fail(
            QStringLiteral("%1 takes exactly one FILE; try vorlan-conf --help").arg(command));

    const QString path = arguments.first();
    const QString problem = unreadable(path);
    if (!problem.isEmpty())
        return fail(problem);

    const Conf conf(path);
    if (command == QLatin1String("format")) {
        write_out(Conf::file_codec()->fromUnicode(conf.to_text()));
        return 0;
    }
    const CheckReport report(conf);
    if (json)
        write_json(report.to_json());
    else
        write_out(report.to_text(path).toLocal8Bit());
    return report.clean() ? 0 : 1;
}
