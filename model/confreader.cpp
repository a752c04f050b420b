// Reading a configuration file: the header through the INI reader, the subclass sections
// through a strict line scanner.
#include "model/conf.h"

#include <QDebug>
#include <QFile>
#include <QRegExp>
#include <QSettings>
#include <QTextCodec>
#include <QTextStream>

QTextCodec* Conf::file_codec()
{
    return QTextCodec::codecForLocale();
}

Conf::Conf(const QString& path)
{
    read_header(path);
    read_subclasses(path);
}

void Conf::read_header(const QString& path)
{
    QSettings settings(path, QSettings::IniFormat);
    // Qt honours the codec only when it is set before anything is read. Without it the
    // header would be read as Latin-1 while the rest of the file is in the local encoding.
    settings.setIniCodec(file_codec());
    settings.beginGroup(QStringLiteral("classes"));
    const QStringList keys = settings.childKeys();
    for (const QString& key : keys)
        classes.insert(key, settings.value(key).toString());
    settings.endGroup();
}

void Conf::finish_section(Subclass::Section& pending)
{
    if (pending.isEmpty())
        return;
    const quint32 number = pending.value(QStringLiteral("subclass")).toUInt();
    subclasses.insert(number, Subclass::from_section(pending));
    pending.clear();
}

void Conf::read_subclasses(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    QTextStream stream(&file);
    stream.setCodec(file_codec());

    const QString classes_line = QStringLiteral("[classes]");
    QRegExp section_line(QStringLiteral("(\\[subclass_\\d+\\])|(\\[classes\\])"));
    QRegExp digits(QStringLiteral("\\d+"));
    Subclass::Section pending;
    QString current_section;
    int line_number = 0;
    QString line;
    while (stream.readLineInto(&line)) {
        ++line_number;
        if (line.trimmed().isEmpty())
            continue;
        if (section_line.indexIn(line) >= 0 && section_line.cap(0) == line) {
            if (line != classes_line) {
                finish_section(pending);
                digits.indexIn(line);
                pending.insert(QStringLiteral("subclass"), digits.cap(0));
            }
            current_section = line;
            continue;
        }
        if (current_section == classes_line)
            continue;
        const QStringList parts = line.split(QLatin1Char('='));
        if (parts.size() != 2) {
            qWarning() << "Read a line without equals:" << line;
            // What follows is lost; the caller learns where, so it can tell the user.
            stopped_line = line_number;
            stopped_text = line;
            return;
        }
        pending.insert(parts.at(0), parts.at(1));
    }
    finish_section(pending);
}
