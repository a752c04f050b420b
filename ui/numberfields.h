#pragma once

#include <limits>

class QLineEdit;
class QString;

// What the number fields of the window take, and how wide they are. A field takes only text that
// it stores and shows as typed: digits and the decimal point of the window's locale, never a group
// separator (which the locale would read "1,234" past and then show as a thousand), and no sign,
// since no value of the window is negative.
namespace NumberFields {

// Reals of 0 and more, with exponents: a value too large for the file is typed, stored and shown
// invalid as such.
void acceptReals(QLineEdit* edit);
void acceptWholeNumbers(QLineEdit* edit, int bottom = 0, int top = std::numeric_limits<int>::max());
// Just wide enough to show sample, the widest text it shows, whole in the edit's own font, with
// room for the warning mark of an invalid value unless it is never judged.
void fitWidth(QLineEdit* edit, const QString& sample, bool judged = true);

} // namespace NumberFields
