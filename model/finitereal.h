#pragma once

#include <QString>

// Reals are read with QString::toFloat, in single precision. A text that reads as infinity or
// not-a-number (1e39, fifty digits, "inf", "nan") holds no usable value and the rules refuse it;
// every other text reads as a finite number (text that does not parse, as 0).
bool is_finite_real(const QString& text);

// Whether every number written in digits and points inside the text (a constraint such as
// 1+2:2.5,4.8) reads as a finite single-precision real.
bool are_numbers_finite(const QString& text);
