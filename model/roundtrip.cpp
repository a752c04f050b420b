// Whether what Save writes reads back as the same configuration.
#include "model/conf.h"

#include "model/classessection.h"

#include <QTextCodec>

#include <algorithm>

namespace {

QString describe(const QString& section, int index, const char* what, const QString& line)
{
    return QStringLiteral("section %1, line %2 %3: %4")
        .arg(section)
        .arg(index + 1)
        .arg(QLatin1String(what))
        .arg(line);
}

// The last line at or before index that starts with "[".
QString section_of(const QStringList& lines, int index)
{
    for (int i = index; i >= 0; --i) {
        if (lines.at(i).startsWith(QLatin1Char('[')))
            return lines.at(i);
    }
    return QString();
}

QString describe(const QStringList& lines, int index, const char* what)
{
    return describe(section_of(lines, index), index, what, lines.at(index));
}

// The first line of written that does not read back as reread has it, described with its number
// counted from offset; empty when the two are the same.
QString difference_of(const QStringList& written, const QStringList& reread, int offset)
{
    const int common = std::min(written.size(), reread.size());
    int index = 0;
    while (index < common && written.at(index) == reread.at(index))
        ++index;
    if (index == common && written.size() == reread.size())
        return QString();
    const bool followed = index == common;
    if (followed)
        --index;
    return describe(section_of(written, index), offset + index,
                    followed ? "is followed by lines that read back differently"
                             : "reads back differently",
                    written.at(index));
}

bool holds_any(const QString& text, QLatin1String characters)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80 && characters.contains(c))
            return true;
    }
    return false;
}

} // namespace

bool Conf::sections_read_back_alone() const
{
    // In these encodings every one of the characters below is written as that one byte, and no
    // other character writes such a byte.
    const int mib = file_codec()->mibEnum();
    if (mib != 106 && mib != 4)
        return false;
    // The header reads back on its own as long as none of its lines can reach into the next:
    // no line break of its own, no quote and no backslash.
    for (auto it = classes.cbegin(); it != classes.cend(); ++it) {
        const QLatin1String reaching("\n\r\"\\");
        if (!it.value().isEmpty() &&
            (holds_any(it.key(), reaching) || holds_any(it.value(), reaching)))
            return false;
    }
    // A section reads back on its own as long as none of its values breaks a line.
    for (const Subclass& s : subclasses) {
        if (s.holds_line_break())
            return false;
    }
    return true;
}

QString Conf::round_trip_problem() const
{
    if (!sections_read_back_alone())
        return round_trip_problem_whole_text();
    QTextCodec* codec = file_codec();

    // The header: its lines come first, so a difference there is the first one; a line that
    // stops the reading of the sections wins over any difference.
    const QString header = header_text();
    const QStringList header_lines = header.split(QLatin1Char('\n'));
    Conf reread;
    reread.classes = read_classes_section(codec->fromUnicode(header), codec);
    QString difference =
        difference_of(header_lines, reread.header_text().split(QLatin1Char('\n')), 0);

    // Each section read back alone, as the reading of the whole text would read it.
    int offset = header_lines.size() - 1;
    for (const Subclass& subclass : subclasses) {
        QString text;
        subclass.append_section_text(text);
        text += QLatin1Char('\n');
        const Conf section = from_section_bytes(codec->fromUnicode(text));
        if (section.stopped_at_line() > 0) {
            const int index = section.stopped_at_line() - 1;
            const QStringList lines = text.split(QLatin1Char('\n'));
            return describe(lines.first(), offset + index, "stops the reading", lines.at(index));
        }
        if (difference.isEmpty()) {
            QString reread_text;
            if (section.subclass_count() == 1) {
                section.subclasses.first().append_section_text(reread_text);
                reread_text += QLatin1Char('\n');
            }
            if (reread_text != text)
                difference = difference_of(text.split(QLatin1Char('\n')),
                                           reread_text.split(QLatin1Char('\n')), offset);
        }
        offset += text.count(QLatin1Char('\n'));
    }
    return difference;
}

QString Conf::round_trip_problem_whole_text() const
{
    const QString written = to_text();
    const Conf reread = from_bytes(file_codec()->fromUnicode(written));
    const QStringList lines = written.split(QLatin1Char('\n'));
    if (reread.stopped_at_line() > 0 && reread.stopped_at_line() <= lines.size())
        return describe(lines, reread.stopped_at_line() - 1, "stops the reading");

    return difference_of(lines, reread.to_text().split(QLatin1Char('\n')), 0);
}
