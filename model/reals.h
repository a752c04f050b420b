#pragma once

#include <QString>

// A text "as a real": exactly what QString::toFloat() gives, 0 for text that does not parse.
// Plain decimals such as 12 or 2.75 are read here without the locale machinery, which made
// the checks of large configurations slow; everything else goes to QString::toFloat().
float as_real(const QString& text);
