// The displayed units and the conversions between file texts and displayed texts.
#include "units/displayunits.h"

#include "model/conf.h"

#include <QStringList>
#include <QtNumeric>

#include <optional>

namespace {

// A text as a float; nothing for text that is no number, infinity for one too large.
std::optional<float> readNumber(const QString& text)
{
    bool ok = false;
    const float value = text.toFloat(&ok);
    if (!ok && !qIsInf(value))
        return std::nullopt;
    return value;
}

} // namespace

float DisplayUnits::factor(Kind kind) const
{
    return kind == Kind::weight ? weightFactorValue : lengthFactorValue;
}

void DisplayUnits::setUnits(quint8 weight, quint8 length, float g)
{
    if (g > 0.0f && qIsFinite(g))
        gravityValue = g;
    weightCode = weight;
    lengthCode = length;
    switch (weight) {
    case 0:
        weightFactorValue = gravityValue;
        break;
    case 1:
        weightFactorValue = kilonewtonsPerPound;
        break;
    case 2:
        weightFactorValue = 1.0f;
        break;
    default:
        break;
    }
    switch (length) {
    case 0:
        lengthFactorValue = 1.0f;
        break;
    case 1:
        lengthFactorValue = metresPerFoot;
        break;
    case 2:
        lengthFactorValue = metresPerInch;
        break;
    default:
        break;
    }
}

QString DisplayUnits::gravityText() const
{
    return QString::number(double(gravityValue), 'g', 6);
}

void DisplayUnits::useGravityOf(const Conf& conf)
{
    const float g = conf.is_g_acceleration_constant_valid()
                        ? conf.get_g_acceleration_constant().toFloat()
                        : standardGravity;
    gravityValue = g;
    if (weightCode == 0)
        weightFactorValue = g;
}

QString DisplayUnits::suffix(Kind kind) const
{
    if (kind == Kind::weight) {
        switch (weightCode) {
        case 1:
            return QStringLiteral("(lb):");
        case 2:
            return QStringLiteral("(kN):");
        default:
            return QStringLiteral("(t):");
        }
    }
    switch (lengthCode) {
    case 1:
        return QStringLiteral("(ft):");
    case 2:
        return QStringLiteral("(in):");
    default:
        return QStringLiteral("(m):");
    }
}

QString DisplayUnits::withSuffix(const QString& labelText, const QString& suffix)
{
    return labelText.split(QLatin1Char('('), Qt::KeepEmptyParts, Qt::CaseSensitive).first() +
           suffix;
}

double DisplayUnits::toDisplayedValue(const QString& fileText, Kind kind) const
{
    if (fileText.isEmpty())
        return 0.0;
    const float value = fileText.toFloat() / factor(kind);
    return double(value);
}

QString DisplayUnits::toDisplayedText(const QString& fileText, Kind kind) const
{
    const double value = toDisplayedValue(fileText, kind);
    if (!(value > 0.0))
        return QString();
    return QString::number(value, 'f', 2);
}

QString DisplayUnits::toFileText(const QString& text, Kind kind) const
{
    const std::optional<float> value = readNumber(text);
    if (!value || *value < 0.0f)
        return QString();
    const float converted = *value * factor(kind);
    return QString::number(converted, 'g', 6);
}

QString DisplayUnits::editTextToFileText(const QString& text, Kind kind) const
{
    const std::optional<float> value = readNumber(text);
    if (!value || !(*value > 0.0f))
        return QString();
    const float converted = *value * factor(kind);
    return QString::number(converted, 'g', 6);
}

QString DisplayUnits::formatSum(float sum, Kind kind) const
{
    return QString::number(double(sum) / double(factor(kind)), 'g', 6);
}

QString DisplayUnits::sumLabelText(float sum, Kind kind) const
{
    return QString::number(formatSum(sum, kind).toFloat(), 'f', 2);
}
