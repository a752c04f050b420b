// Combined axle constraints: adding, showing, changing and removing them.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

void Vorlan::on_buttonAddConstraint_clicked()
{
    // Will add a constraint of the chosen kind over the ticked axles.
}

void Vorlan::on_comboBoxAddConstraint_currentTextChanged(const QString& selected_constraint)
{
    // Will show the value edits that the chosen constraint kind needs.
    Q_UNUSED(selected_constraint)
}
