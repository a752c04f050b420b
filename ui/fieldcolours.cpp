// Field colours: style sheets that set a field's background, and its tool tip.
#include "ui/fieldcolours.h"

#include <QDebug>
#include <QLineEdit>

void validateEdit(QLineEdit* edit, FieldState state, const QString& toolTip)
{
    if (!edit) {
        qWarning() << "Edit passed to validate is a nullptr!";
        return;
    }
    switch (state) {
    case FieldState::valid:
        edit->setStyleSheet(QStringLiteral("QLineEdit {background-color: lime}"));
        edit->setToolTip(QString());
        break;
    case FieldState::invalid:
        edit->setStyleSheet(QStringLiteral("QLineEdit {background-color: red}"));
        edit->setToolTip(toolTip);
        break;
    case FieldState::inconsistent:
        edit->setStyleSheet(QStringLiteral("QLineEdit {background-color: yellow}"));
        edit->setToolTip(toolTip);
        break;
    case FieldState::neutral:
        edit->setStyleSheet(QStringLiteral("QLineEdit {background-color: white}"));
        break;
    }
}

void validateEdit(QLineEdit* edit, bool valid, const QString& toolTip)
{
    validateEdit(edit, valid ? FieldState::valid : FieldState::invalid, toolTip);
}

void showFieldText(QLineEdit* edit, const QString& text, bool valid)
{
    if (!edit) {
        qWarning() << "Could not set converted text to edit";
        return;
    }
    edit->setText(text);
    validateEdit(edit, valid, QString());
}
