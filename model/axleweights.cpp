// Taking apart the text of max_axle_weight__kN.
//
// An axle weight item is an axle number, a comma and a weight: "(?:[^+\d]|^)(\d+,\d+\.?\d*)".
// Its axle number must not follow a "+" (it would belong to a combined limit) nor another digit
// (so the "11,200" inside the combined limit 10+11,200 is no axle weight). A combined weight
// limit is "(?:\d+\+)+\d+,\d+\.?\d*". Both are matched by hand: every file's subclasses go
// through here, and a backtracking engine trying each position made this the bulk of reading.
// A digit is what QChar::isDigit() says, as for \d.
#include "model/subclass.h"

#include <QDebug>

#include <algorithm>

namespace {

struct Match
{
    int start = -1;
    int end = -1;
};

bool digit_at(const QString& text, int i)
{
    return i < text.size() && text.at(i).isDigit();
}

int skip_digits(const QString& text, int i)
{
    while (digit_at(text, i))
        ++i;
    return i;
}

// "\d+\.?\d*" from i; the end of it, or -1.
int weight_end(const QString& text, int i)
{
    if (!digit_at(text, i))
        return -1;
    i = skip_digits(text, i);
    if (i < text.size() && text.at(i) == QLatin1Char('.'))
        i = skip_digits(text, i + 1);
    return i;
}

// "\d+,\d+\.?\d*" from i; the end of it, or -1.
int item_end(const QString& text, int i)
{
    if (!digit_at(text, i))
        return -1;
    i = skip_digits(text, i);
    if (i >= text.size() || text.at(i) != QLatin1Char(','))
        return -1;
    return weight_end(text, i + 1);
}

// The first axle weight item at or after from, with the character before its axle number.
Match find_item(const QString& text, int from)
{
    for (int p = from; p < text.size(); ++p) {
        const QChar c = text.at(p);
        int end = -1;
        if (p == 0 && c.isDigit())
            end = item_end(text, 0);
        else if (c != QLatin1Char('+') && !c.isDigit())
            end = item_end(text, p + 1);
        if (end >= 0)
            return {p, end};
    }
    return {};
}

// "(?:\d+\+)+\d+,\d+\.?\d*" from p (a digit); the end of it, or -1 with stop set to where it
// failed. No start between p and stop can match either: it would only drop leading numbers.
int limit_end(const QString& text, int p, int& stop)
{
    int groups = 0;
    int i = p;
    for (;;) {
        if (!digit_at(text, i)) {
            stop = i;
            return -1;
        }
        const int j = skip_digits(text, i);
        if (j < text.size() && text.at(j) == QLatin1Char('+')) {
            ++groups;
            i = j + 1;
            continue;
        }
        const int end = groups > 0 && j < text.size() && text.at(j) == QLatin1Char(',')
                            ? weight_end(text, j + 1)
                            : -1;
        stop = end < 0 && groups > 0 && j < text.size() ? j + 1 : j;
        return end;
    }
}

Match find_limit(const QString& text, int from)
{
    for (int p = from; p < text.size();) {
        if (!text.at(p).isDigit()) {
            ++p;
            continue;
        }
        int stop = p + 1;
        const int end = limit_end(text, p, stop);
        if (end >= 0)
            return {p, end};
        p = std::max(p + 1, stop);
    }
    return {};
}

} // namespace

void Subclass::parse_max_axle_weights(const QString& text)
{
    if (text.isEmpty())
        qWarning() << "Received empty weights string for class " << number;

    for (Match m = find_item(text, 0); m.start >= 0; m = find_item(text, m.end)) {
        // The item splits into axle number and weight at its comma, unless the character
        // before the axle number is a comma too.
        if (text.at(m.start) == QLatin1Char(',')) {
            const QStringList parts = text.mid(m.start, m.end - m.start).split(QLatin1Char(','));
            qWarning() << "Expected two values for axle weight, got " << parts;
            return;
        }
        const int comma = text.indexOf(QLatin1Char(','), m.start);
        max_axle_weights.append(text.mid(comma + 1, m.end - comma - 1));
    }

    for (Match m = find_limit(text, 0); m.start >= 0; m = find_limit(text, m.end))
        combined_weight_limits.append(text.mid(m.start, m.end - m.start));
}
