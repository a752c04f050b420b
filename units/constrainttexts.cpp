// Combined axle constraints between file units and displayed units.
#include "units/constrainttexts.h"

#include <QDebug>
#include <QStringList>

#include <optional>

using Kind = DisplayUnits::Kind;

namespace {

QString convertNumber(const QString& number, Kind kind, ConversionDirection direction,
                      const DisplayUnits& units)
{
    return direction == ConversionDirection::toDisplay
               ? QString::number(units.toDisplayedValue(number, kind), 'f', 1)
               : units.toFileText(number, kind);
}

// The two parts of a text around a separator; none when it has not exactly two, which is
// logged unless the text is empty.
std::optional<QStringList> splitInTwo(const QString& text, char separator, const char* name)
{
    const QStringList parts = text.split(QLatin1Char(separator));
    if (parts.size() == 2)
        return parts;
    if (!text.isEmpty())
        qWarning().noquote() << "Failed to split " + text + " on " + name + '!';
    return std::nullopt;
}

// "axles:bounds" with the bounds converted by convertBounds; empty when either part fails.
template <typename ConvertBounds>
QString convertCombined(const QString& text, ConvertBounds convertBounds)
{
    const auto parts = splitInTwo(text, ':', "colon");
    const QString bounds = parts ? convertBounds(parts->at(1)) : QString();
    return bounds.isEmpty() ? QString() : parts->at(0) + QLatin1Char(':') + bounds;
}

} // namespace

bool isValidFloat(const QString& text)
{
    bool ok = false;
    text.toFloat(&ok);
    if (!ok)
        qWarning().noquote() << text + QStringLiteral(" is not a valid float!");
    return ok;
}

bool isValidInt(const QString& text)
{
    bool ok = false;
    text.toInt(&ok, 10);
    if (!ok)
        qWarning().noquote() << text + QStringLiteral(" is not a valid int!");
    return ok;
}

QString convertTotalDistance(const QString& text, ConversionDirection direction,
                             const DisplayUnits& units)
{
    const auto bounds = splitInTwo(text, ',', "comma");
    if (!bounds || !isValidFloat(bounds->at(0)) || !isValidFloat(bounds->at(1)))
        return QString();
    const QString lower = convertNumber(bounds->at(0), Kind::length, direction, units);
    const QString upper = convertNumber(bounds->at(1), Kind::length, direction, units);
    return lower.isEmpty() || upper.isEmpty() ? QString() : lower + QLatin1Char(',') + upper;
}

QString convertCombinedDistance(const QString& text, ConversionDirection direction,
                                const DisplayUnits& units)
{
    return convertCombined(text, [&](const QString& bounds) {
        return convertTotalDistance(bounds, direction, units);
    });
}

QString convertTotalWeight(const QString& text, ConversionDirection direction,
                           const DisplayUnits& units)
{
    const auto bounds = splitInTwo(text, ';', "semicolon");
    if (!bounds)
        return QString();
    const QStringList lower = bounds->at(0).split(QLatin1Char(','));
    const QStringList upper = bounds->at(1).split(QLatin1Char(','));
    if (lower.size() != 2 || upper.size() != 2) {
        qWarning().noquote() << "Failed to split " +
                                    (lower.size() != 2 ? bounds->at(0) : bounds->at(1)) +
                                    " on commas!";
        return QString();
    }
    if (!isValidFloat(lower.at(0)) || !isValidInt(lower.at(1)) || !isValidFloat(upper.at(0)) ||
        !isValidInt(upper.at(1)))
        return QString();
    const QString low = convertNumber(lower.at(0), Kind::weight, direction, units);
    const QString high = convertNumber(upper.at(0), Kind::weight, direction, units);
    if (low.isEmpty() || high.isEmpty())
        return QString();
    return low + QLatin1Char(',') + lower.at(1) + QLatin1Char(';') + high + QLatin1Char(',') +
           upper.at(1);
}

QString convertCombinedWeight(const QString& text, ConversionDirection direction,
                              const DisplayUnits& units)
{
    const QString result = convertCombined(
        text, [&](const QString& bounds) { return convertTotalWeight(bounds, direction, units); });
    if (!result.isEmpty())
        qDebug().noquote() << "Final awsl: " + result;
    return result;
}

QString weightLimitToFile(const QString& weight, const DisplayUnits& units)
{
    bool number = false;
    weight.toFloat(&number);
    return number || weight.isEmpty() ? units.toFileText(weight, Kind::weight) : weight;
}

namespace {

using Converter = QString (*)(const QString&, ConversionDirection, const DisplayUnits&);

// The converter of every kind but the weight limits; null for those and for unknown kinds.
Converter converterOf(const QString& kind)
{
    if (kind == QLatin1String("adsl"))
        return convertCombinedDistance;
    if (kind == QLatin1String("awsl"))
        return convertCombinedWeight;
    if (kind == QLatin1String("adsl_0"))
        return convertTotalDistance;
    if (kind == QLatin1String("awsl_0"))
        return convertTotalWeight;
    return nullptr;
}

} // namespace

QString constraintToDisplay(const QString& kind, const QString& fileText, const DisplayUnits& units)
{
    QString shown;
    if (kind == QLatin1String("default")) {
        const QStringList parts = fileText.split(QLatin1Char(','));
        bool number = false;
        if (parts.size() == 2)
            parts.at(1).toFloat(&number);
        if (number)
            shown = parts.at(0) + QLatin1Char(',') +
                    QString::number(units.toDisplayedValue(parts.at(1), Kind::weight), 'f', 2);
    } else if (const Converter convert = converterOf(kind)) {
        shown = convert(fileText, ConversionDirection::toDisplay, units);
    }
    // What does not convert is shown as it is held, never as something else or as nothing.
    return shown.isEmpty() ? fileText : shown;
}

QString constraintToFile(const QString& kind, const QString& shownText, const DisplayUnits& units)
{
    QString stored;
    if (kind == QLatin1String("default")) {
        const QStringList parts = shownText.split(QLatin1Char(','));
        const QString weight =
            parts.size() == 2 ? weightLimitToFile(parts.at(1), units) : QString();
        if (!weight.isEmpty())
            stored = parts.at(0) + QLatin1Char(',') + weight;
    } else if (const Converter convert = converterOf(kind)) {
        stored = convert(shownText, ConversionDirection::toFile, units);
    }
    return stored.isEmpty() ? shownText : stored;
}
