#pragma once

#include "units/displayunits.h"

#include <QString>

// Combined axle constraints between the texts of the file (kN, m) and the texts the window
// shows. The kinds are those of the record: "default" (a combined weight limit "1+2,98.1"),
// "adsl" ("2+3:1.5,3"), "awsl" ("1+2:98.1,3;196.1,5") and the two whole-vehicle totals "adsl_0"
// ("1.5,3") and "awsl_0" ("98.1,3;196.1,5").

enum class ConversionDirection
{
    toDisplay,
    toFile
};

// Whether a text is a number of the kind; a text that is not is logged.
bool isValidFloat(const QString& text);
bool isValidInt(const QString& text);

// Each converts the lengths or weights of one kind, keeping separators, axle lists and classes.
// Shown numbers have one decimal. The result is empty when the text does not have the kind's
// form, which is logged unless the text is empty, or when a number is negative.
QString convertTotalDistance(const QString& text, ConversionDirection direction,
                             const DisplayUnits& units);
QString convertCombinedDistance(const QString& text, ConversionDirection direction,
                                const DisplayUnits& units);
QString convertTotalWeight(const QString& text, ConversionDirection direction,
                           const DisplayUnits& units);
QString convertCombinedWeight(const QString& text, ConversionDirection direction,
                              const DisplayUnits& units);

// A combined weight limit's weight in file units. What is not a number stays as typed: converted,
// it would become a limit of 0, which is valid.
QString weightLimitToFile(const QString& weight, const DisplayUnits& units);

// A stored constraint of any kind as its edit shows it; one that does not convert is shown as
// stored.
QString constraintToDisplay(const QString& kind, const QString& fileText,
                            const DisplayUnits& units);
// What a constraint edit's text is stored as: converted, or as typed when it does not convert,
// so that it is kept and judged invalid.
QString constraintToFile(const QString& kind, const QString& shownText, const DisplayUnits& units);
