#pragma once

#include <QRegExp>
#include <QString>
#include <QStringList>

// Where matches lie in a text, from a start on, each search taking up where the last match
// ended, as "start+length ...": those of one of the reader's matchers (find(text, from, &length)
// gives a start or -1) and those of the QRegExp pattern it stands in for, to compare the two.
template <typename View, typename Find> QString matches(View text, int from, const Find& find)
{
    QStringList found;
    int length = 0;
    for (int pos = find(text, from, &length); pos >= 0; pos = find(text, pos + length, &length))
        found << QString::number(pos) + QLatin1Char('+') + QString::number(length);
    return found.join(QLatin1Char(' '));
}

inline QString regexp_matches(const char* pattern, const QString& text, int from = 0)
{
    QRegExp regexp{QLatin1String(pattern)};
    QStringList found;
    for (int pos = regexp.indexIn(text, from); pos >= 0;
         pos = regexp.indexIn(text, pos + regexp.matchedLength()))
        found << QString::number(pos) + QLatin1Char('+') + QString::number(regexp.matchedLength());
    return found.join(QLatin1Char(' '));
}
