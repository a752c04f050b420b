#pragma once

#include <QString>

class QLineEdit;

// What a field's colour says about its value.
enum class FieldState
{
    valid,        // lime
    invalid,      // red, with the field's tool tip
    inconsistent, // yellow: acceptable alone, but at odds with other values
    neutral       // white: nothing to judge yet
};

// Colours a field by its state: the one place fields are coloured, so anything else that marks
// a verdict belongs here too. A valid field loses its tool tip, an invalid or inconsistent one
// gets toolTip and a warning mark carrying it, a neutral one keeps what it had. A field whose
// text its validator does not take whole is invalid whatever its value. A null edit is logged
// and left alone.
void validateEdit(QLineEdit* edit, FieldState state, const QString& toolTip = QString());
void validateEdit(QLineEdit* edit, bool valid, const QString& toolTip);

// Shows text in the field and colours it valid or invalid, with no tool tip.
void showFieldText(QLineEdit* edit, const QString& text, bool valid);
