// vorlan-conf: checks and normalises configuration files without opening the editor.
#include "checkreport.h"

#include "model/conf.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QTextCodec>

#include <cstdio>

namespace {

const char usage[] =
    "Usage: vorlan-conf format FILE\n"
    "       vorlan-conf check [--json] FILE\n"
    "\n"
    "Reads a vehicle-classification configuration file as the editor does.\n"
    "\n"
    "  format        writes the file as the editor would save it to standard output\n"
    "  check         reports the header rules that fail, the invalid subclasses, the first\n"
    "                pair of duplicate subclasses, the check before saving, whether the\n"
    "                saved text would read back unchanged, where reading stopped if it did,\n"
    "                and the key lines of subclass sections a save would leave out; exits 0\n"
    "                when the file is clean, 1 when it is not\n"
    "  --json        the check as one JSON object\n"
    "  --log         also shows the reader's own warnings on standard error\n"
    "  --help        shows this text\n"
    "\n"
    "Exit status 2: wrong arguments, or FILE cannot be read.\n";

bool show_log = false;

void message_handler(QtMsgType type, const QMessageLogContext&, const QString& text)
{
    if (show_log || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", text.toLocal8Bit().constData());
}

void write_out(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

int fail(const QString& text)
{
    std::fprintf(stderr, "vorlan-conf: %s\n", text.toLocal8Bit().constData());
    return 2;
}

// One clear line when the file cannot be read, since the reader itself never fails.
QString unreadable(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return QStringLiteral("%1: no such file").arg(path);
    if (info.isDir())
        return QStringLiteral("%1: is a directory").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("%1: cannot be read: %2").arg(path, file.errorString());
    return QString();
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
        write_out(QJsonDocument(report.to_json()).toJson(QJsonDocument::Indented));
    else
        write_out(report.to_text(path).toLocal8Bit());
    return report.clean() ? 0 : 1;
}
