// Reading a configuration file: the header through the INI reader, the subclass sections
// through a strict line scanner.
#include "model/conf.h"

#include <QDebug>
#include <QFile>
#include <QSettings>
#include <QTextCodec>
#include <QTextStream>
#include <QVector>

#include <algorithm>

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

namespace {

const QLatin1String subclass_prefix("[subclass_");

// "\[subclass_\d+\]" as the whole line, a digit being what QChar::isDigit() says, as for \d.
// Checked by hand rather than by a regular expression: every line of the file passes here.
bool is_subclass_section_line(const QStringRef& line)
{
    if (line.size() <= subclass_prefix.size() + 1 || !line.startsWith(subclass_prefix) ||
        line.at(line.size() - 1) != QLatin1Char(']'))
        return false;
    for (int i = subclass_prefix.size(); i < line.size() - 1; ++i) {
        if (!line.at(i).isDigit())
            return false;
    }
    return true;
}

bool is_blank(const QStringRef& line)
{
    return std::all_of(line.cbegin(), line.cend(), [](QChar c) { return c.isSpace(); });
}

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

    const QLatin1String classes_line("[classes]");
    const QString subclass_key = QStringLiteral("subclass");
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
        if (is_blank(line))
            continue;
        if (is_subclass_section_line(line)) {
            finish_section(pending);
            // The digits of N.
            pending.insert(subclass_key, line.mid(subclass_prefix.size(),
                                                  line.size() - subclass_prefix.size() - 1)
                                             .toString());
            in_classes = false;
            continue;
        }
        if (line == classes_line) {
            in_classes = true;
            continue;
        }
        if (in_classes)
            continue;
        const int equals = line.indexOf(QLatin1Char('='));
        if (equals < 0 || line.indexOf(QLatin1Char('='), equals + 1) >= 0) {
            // What follows is lost; the caller learns where, so it can tell the user.
            stopped_line = line_number;
            stopped_text = line.toString();
            qWarning() << "Read a line without equals:" << stopped_text;
            return;
        }
        pending.insert(keys.key(line.left(equals)), line.mid(equals + 1).toString());
    }
    finish_section(pending);
}
