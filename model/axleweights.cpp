// Taking apart the text of max_axle_weight__kN.
#include "model/subclass.h"

#include <QDebug>
#include <QRegExp>

void Subclass::parse_max_axle_weights(const QString& text)
{
    if (text.isEmpty()) {
        qWarning() << "Received empty weights string for class " << number;
        return; // neither pattern matches an empty text
    }

    // Compiled once, for every subclass of every file; matching changes a QRegExp's state, so
    // each parse matches with copies.
    // An axle weight item is an axle number, a comma and a weight. Its axle number must not
    // follow a "+" (it would belong to a combined limit) nor another digit (so the "11,200"
    // inside the combined limit 10+11,200 is no axle weight).
    static const QRegExp item_pattern(QStringLiteral("(?:[^+\\d]|^)(\\d+,\\d+\\.?\\d*)"));
    static const QRegExp limit_pattern(QStringLiteral("(?:\\d+\\+)+\\d+,\\d+\\.?\\d*"));

    QRegExp item = item_pattern;
    for (int pos = item.indexIn(text); pos >= 0;
         pos = item.indexIn(text, pos + item.matchedLength())) {
        // Split at ",", the match gives an axle number and a weight only when it holds
        // exactly one; it is read in place, so only the weight becomes a string of its own.
        const QStringRef match = text.midRef(pos, item.matchedLength());
        if (match.count(QLatin1Char(',')) != 1) {
            qWarning() << "Expected two values for axle weight, got "
                       << item.cap(0).split(QLatin1Char(','));
            return;
        }
        max_axle_weights.append(match.mid(match.indexOf(QLatin1Char(',')) + 1).toString());
    }

    // A combined limit joins at least two axle numbers with "+".
    if (!text.contains(QLatin1Char('+')))
        return;
    QRegExp limit = limit_pattern;
    for (int pos = limit.indexIn(text); pos >= 0;
         pos = limit.indexIn(text, pos + limit.matchedLength()))
        combined_weight_limits.append(text.mid(pos, limit.matchedLength()));
}
