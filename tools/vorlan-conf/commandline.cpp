#include "commandline.h"

#include "model/conf.h"
#include "model/realtext.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

void write_out(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

void write_err(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
}

void write_json(const QJsonObject& json)
{
    write_out(QJsonDocument(json).toJson(QJsonDocument::Indented));
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

Arguments Arguments::parse(const QString& command, const QStringList& arguments,
                           const QStringList& known_flags, const QStringList& valued,
                           int file_count)
{
    Arguments parsed;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (known_flags.contains(argument)) {
            parsed.flags.insert(argument);
        } else if (valued.contains(argument)) {
            if (i + 1 == arguments.size()) {
                parsed.error = QStringLiteral("%1 needs a value").arg(argument);
                return parsed;
            }
            parsed.values.insert(argument, arguments.at(++i));
        } else if (argument.startsWith(QLatin1String("--"))) {
            parsed.error = QStringLiteral("%1 does not take %2").arg(command, argument);
            return parsed;
        } else {
            parsed.files.append(argument);
        }
    }
    if (parsed.files.size() != file_count)
        parsed.error =
            QStringLiteral("%1 takes exactly %2; try vorlan-conf --help")
                .arg(command, file_count == 1 ? QStringLiteral("one FILE")
                                              : QStringLiteral("%1 files").arg(file_count));
    return parsed;
}

bool Command::start(const QString& name, const QStringList& arguments, const QStringList& flags,
                    const QStringList& valued, int files, int table_files)
{
    args = Arguments::parse(name, arguments, flags, valued, files);
    problem = args.error;
    for (int i = 0; problem.isEmpty() && i < table_files; ++i) {
        problem = unreadable(args.files.at(i));
        if (problem.isEmpty())
            tables.append(Conf(args.files.at(i)));
    }
    return problem.isEmpty();
}

QString numbers_text(const QJsonArray& numbers)
{
    QList<quint32> list;
    for (const QJsonValue& number : numbers)
        list << quint32(number.toDouble());
    return numbers_text(list);
}

QString reals_text(const QVector<double>& values)
{
    QStringList texts;
    for (double value : values)
        texts << decimal_text(value);
    return texts.join(QStringLiteral(", "));
}
