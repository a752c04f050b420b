// Whether what Save writes reads back as the same configuration.
#include "model/conf.h"

#include <QTextCodec>

namespace {

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
    return QStringLiteral("section %1, line %2 %3: %4")
        .arg(section_of(lines, index))
        .arg(index + 1)
        .arg(QLatin1String(what))
        .arg(lines.at(index));
}

} // namespace

QString Conf::round_trip_problem() const
{
    const QString written = to_text();
    const Conf reread = from_bytes(file_codec()->fromUnicode(written));
    const QStringList lines = written.split(QLatin1Char('\n'));
    if (reread.stopped_at_line() > 0 && reread.stopped_at_line() <= lines.size())
        return describe(lines, reread.stopped_at_line() - 1, "stops the reading");

    const QStringList reread_lines = reread.to_text().split(QLatin1Char('\n'));
    const int common = std::min(lines.size(), reread_lines.size());
    for (int i = 0; i < common; ++i) {
        if (lines.at(i) != reread_lines.at(i))
            return describe(lines, i, "reads back differently");
    }
    if (lines.size() != reread_lines.size())
        return describe(lines, common - 1, "is followed by lines that read back differently");
    return QString();
}
