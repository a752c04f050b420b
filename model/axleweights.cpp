// Taking apart the text of max_axle_weight__kN.
#include "model/subclass.h"

#include "model/grammar.h"

#include <QDebug>

namespace {

QString to_string(QLatin1String text)
{
    return QString(text);
}

QString to_string(QStringView text)
{
    return text.toString();
}

} // namespace

template <typename View>
void Subclass::parse_weights(View text, quint32 number, TextList::Builder& weights,
                             TextList::Builder& limits)
{
    if (text.isEmpty()) {
        qWarning() << "Received empty weights string for class " << number;
        return; // neither pattern matches an empty text
    }
    // An axle weight item is an axle number, a comma and a weight, with the character before the
    // axle number; the weight is what follows the first comma, if there is exactly one.
    int length = 0;
    for (int pos = grammar::find_weight_item(text, 0, &length); pos >= 0;
         pos = grammar::find_weight_item(text, pos + length, &length)) {
        const View match = text.mid(pos, length);
        const int comma = int(match.indexOf(QLatin1Char(',')));
        if (int(match.mid(comma + 1).indexOf(QLatin1Char(','))) >= 0) {
            qWarning() << "Expected two values for axle weight, got "
                       << to_string(match).split(QLatin1Char(','));
            return;
        }
        weights.add(match.mid(comma + 1));
    }

    // A combined limit joins at least two axle numbers with "+".
    if (!text.contains(QLatin1Char('+')))
        return;
    for (int pos = grammar::find_combined_limit(text, 0, &length); pos >= 0;
         pos = grammar::find_combined_limit(text, pos + length, &length))
        limits.add(text.mid(pos, length));
}

template void Subclass::parse_weights(QLatin1String, quint32, TextList::Builder&,
                                      TextList::Builder&);
template void Subclass::parse_weights(QStringView, quint32, TextList::Builder&, TextList::Builder&);

void Subclass::parse_max_axle_weights(const QString& text)
{
    TextList::Builder weights, limits;
    parse_weights(QStringView(text), number, weights, limits);
    for (const QString& weight : weights.take())
        max_axle_weights.append(weight);
    for (const QString& limit : limits.take())
        combined_weight_limits.append(limit);
    refresh_views();
}
