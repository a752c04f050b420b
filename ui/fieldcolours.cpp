// Field colours: style sheets that set a field's background, its tool tip and its warning mark.
#include "ui/fieldcolours.h"

#include "ui/windowtext.h"

#include <QAction>
#include <QDebug>
#include <QLineEdit>
#include <QStyle>

namespace {

const QString markName = QStringLiteral("warningMark");

// A field that takes no input (no subclass to edit) is greyed whatever its verdict.
void colour(QLineEdit* edit, const char* name)
{
    edit->setStyleSheet(QStringLiteral("QLineEdit {background-color: %1} "
                                       "QLineEdit:disabled {background-color: palette(window)}")
                            .arg(QLatin1String(name)));
}

// Validity is not told by colour alone: a warning sign stands at the end of the field.
void mark(QLineEdit* edit, bool shown, const QString& toolTip)
{
    auto* action = edit->findChild<QAction*>(markName, Qt::FindDirectChildrenOnly);
    if (!action && !shown)
        return;
    if (!action) {
        action = edit->addAction(edit->style()->standardIcon(QStyle::SP_MessageBoxWarning),
                                 QLineEdit::TrailingPosition);
        action->setObjectName(markName);
    }
    action->setVisible(shown);
    action->setToolTip(toolTip.isEmpty() ? windowText("This value is not valid.") : toolTip);
}

} // namespace

void validateEdit(QLineEdit* edit, FieldState state, const QString& toolTip)
{
    if (!edit) {
        qWarning() << "Edit passed to validate is a nullptr!";
        return;
    }
    // Text that its field would not take as a whole value, such as an exponent still being typed,
    // stores no value, whatever the rules make of none.
    if (state == FieldState::valid && !edit->text().isEmpty() && !edit->hasAcceptableInput()) {
        validateEdit(edit, FieldState::invalid, windowText("Not a complete number."));
        return;
    }
    switch (state) {
    case FieldState::valid:
        colour(edit, "lime");
        edit->setToolTip(QString());
        break;
    case FieldState::invalid:
        colour(edit, "red");
        edit->setToolTip(toolTip);
        break;
    case FieldState::inconsistent:
        colour(edit, "yellow");
        edit->setToolTip(toolTip);
        break;
    case FieldState::neutral:
        colour(edit, "white");
        break;
    }
    mark(edit, state == FieldState::invalid || state == FieldState::inconsistent, toolTip);
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
