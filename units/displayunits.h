#pragma once

#include <QString>
#include <QtGlobal>

class Conf;

// The units values are shown in, and the conversions between the texts of the file (kN, m) and
// the texts the window shows. A factor is file units per displayed unit: displayed = file ÷
// factor. Every conversion works in single precision, as the numbers are held.
class DisplayUnits
{
public:
    // Which factor a value is converted with.
    enum class Kind
    {
        weight,
        length
    };

    // Codes: weight 0 tonnes, 1 pounds, 2 kilonewtons; length 0 metres, 1 feet, 2 inches.
    static constexpr float standardGravity = 9.80665f;
    static constexpr float kilonewtonsPerPound = 0.0044482215f;
    static constexpr float metresPerFoot = 0.3048f;
    static constexpr float metresPerInch = 0.0254f;

    quint8 weightUnit() const { return weightCode; }
    quint8 lengthUnit() const { return lengthCode; }
    float weightFactor() const { return weightFactorValue; }
    float lengthFactor() const { return lengthFactorValue; }
    float factor(Kind kind) const;
    // The acceleration constant in use, whatever the units: the tonnes factor.
    float gravity() const { return gravityValue; }
    // The g in use as the header stores it, six significant digits.
    QString gravityText() const;

    // Adopts a choice of units and g. A code outside 0 to 2 is kept but leaves its factor alone.
    // A g that is not a finite number above 0 would make every weight meaningless, so the g
    // already in use stays.
    void setUnits(quint8 weight, quint8 length, float g);
    // Takes a configuration's g, which tonnes are then shown with: its own when it holds a valid
    // one, else the standard one, never the g of the configuration shown before.
    void useGravityOf(const Conf& conf);

    // The label suffix of the current unit of a kind, such as "(t):".
    QString suffix(Kind kind) const;
    // The label's text up to its first "(", followed by the suffix.
    static QString withSuffix(const QString& labelText, const QString& suffix);

    // A file value in displayed units; 0 for an empty text.
    double toDisplayedValue(const QString& fileText, Kind kind) const;
    // A file value as an edit shows it: two decimals, empty when not above 0.
    QString toDisplayedText(const QString& fileText, Kind kind) const;
    // A displayed text in file units: empty for text that is no number and for a negative one,
    // "0" for zero. A number too large for a float stays infinite, to be judged as such.
    QString toFileText(const QString& text, Kind kind) const;
    // An edit's text in file units: empty unless it is a number above 0.
    QString editTextToFileText(const QString& text, Kind kind) const;
    // A sum of file values in displayed units, six significant digits.
    QString formatSum(float sum, Kind kind) const;
    // A sum as its label shows it: two decimals.
    QString sumLabelText(float sum, Kind kind) const;

private:
    quint8 weightCode = 0;
    quint8 lengthCode = 0;
    float weightFactorValue = standardGravity;
    float lengthFactorValue = 1.0f;
    float gravityValue = standardGravity;
};
