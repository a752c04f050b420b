// Values between the file's units and the window's: showing them in edits and taking them back.
#include "ui/vorlan.h"

#include <QDebug>
#include <QLabel>
#include <QLineEdit>

double Vorlan::toDisplayedValue(const QString& fileText, UnitKind kind) const
{
    return units.toDisplayedValue(fileText, kind);
}

void Vorlan::setConvertedText(QLineEdit* edit, const QString& fileText, UnitKind kind, bool valid)
{
    if (!edit) {
        qWarning() << "Could not set converted text to edit";
        return;
    }
    edit->setText(units.toDisplayedText(fileText, kind));
    validateEdit(edit, valid, QString());
}

void Vorlan::setConvertedHeaderText(QLineEdit* edit, const QString& fileText, UnitKind kind,
                                    Conf::MaxAxleDistance state)
{
    if (!edit) {
        qWarning() << "Could not set converted text to edit";
        return;
    }
    edit->setText(units.toDisplayedText(fileText, kind));
    validateTriState(edit, state);
}

QString Vorlan::toFileText(const QString& text, UnitKind kind) const
{
    return units.toFileText(text, kind);
}

QString Vorlan::editToFileText(const QLineEdit* edit, UnitKind kind) const
{
    return edit ? units.editTextToFileText(edit->text(), kind) : QString();
}

QString Vorlan::formatSum(float sum, UnitKind kind) const
{
    return units.formatSum(sum, kind);
}

void Vorlan::setUnitSuffix(QLabel* label, const QString& suffix)
{
    label->setText(DisplayUnits::withSuffix(label->text(), suffix));
}
