// Reading a configuration file: the header through the INI reader, the subclass sections
// through a strict line scanner.
#include "model/conf.h"

#include <QDebug>
#include <QFile>
#include <QRegExp>
#include <QSettings>
#include <QTextCodec>
#include <QTextStream>
#include <QVector>

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
    QStringList unknown;
    subclasses.insert(number, Subclass::from_section(pending, &unknown));
    // A section read again under the same number replaces the earlier one, its keys too.
    if (unknown.isEmpty())
        dropped.remove(number);
    else
        dropped.insert(number, unknown);
    pending.clear();
}

namespace {

// The same dozen keys stand in every section: each is made once and shared by all sections.
class KeyCache
{
public:
    QString key(const QStringRef& wanted)
    {
        for (const QString& known : keys) {
            if (known == wanted)
                return known;
        }
        const QString key = wanted.toString();
        // Files with ever new keys would make the search slow; they just allocate instead.
        if (keys.size() < 64)
            keys.append(key);
        return key;
    }

private:
    QVector<QString> keys;
};

} // namespace

void Conf::read_subclasses(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return;
    // The whole text at once, decoded as a stream decodes it (in text mode, so without any CR):
    // lines are then views into it, and only keys and values become strings of their own.
    QTextStream stream(&file);
    stream.setCodec(file_codec());
    const QString text = stream.readAll();
    file.close();

    // Compiled once; matching changes a QRegExp's state, so each read matches with copies.
    static const QRegExp section_pattern(QStringLiteral("(\\[subclass_\\d+\\])|(\\[classes\\])"));
    static const QRegExp digits_pattern(QStringLiteral("\\d+"));
    QRegExp section_line = section_pattern;
    QRegExp digits = digits_pattern;
    const QLatin1String classes_line("[classes]");
    Subclass::Section pending;
    KeyCache keys;
    bool in_classes = false;
    int line_number = 0;
    for (int start = 0; start < text.size();) {
        int end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        const QStringRef line = text.midRef(start, end - start);
        start = end + 1;
        ++line_number;
        if (line.trimmed().isEmpty())
            continue;
        // A section line matches as a whole, so it begins with "[": other lines skip the match.
        if (line.startsWith(QLatin1Char('['))) {
            const QString whole = line.toString();
            if (section_line.exactMatch(whole)) {
                in_classes = whole == classes_line;
                if (!in_classes) {
                    finish_section(pending);
                    digits.indexIn(whole);
                    pending.insert(QStringLiteral("subclass"), digits.cap(0));
                }
                continue;
            }
        }
        if (in_classes)
            continue;
        // Split at "=", the line gives a key and a value only when it holds exactly one.
        if (line.count(QLatin1Char('=')) != 1) {
            // What follows is lost; the caller learns where, so it can tell the user.
            stopped_line = line_number;
            stopped_text = line.toString();
            qWarning() << "Read a line without equals:" << stopped_text;
            return;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        pending.insert(keys.key(line.left(equals)), line.mid(equals + 1).toString());
    }
    finish_section(pending);
}
