// Moving between subclasses: the list, the typed number, the invalid list and the shortcuts.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

void Vorlan::on_comboBoxSubclasses_currentIndexChanged(const QString& arg1)
{
    showSubclass(arg1);
}

void Vorlan::on_lineEditSubclass_textChanged(const QString& arg1)
{
    const int index = ui->comboBoxSubclasses->findText(QStringLiteral("subclass_") + arg1,
                                                       Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) {
        validateEdit(ui->lineEditSubclass, false, subclassMissingToolTip);
        ui->buttonSubclass->setText(tr("New"));
        ui->buttonSubclass->setStatusTip(
            tr("Used to create a new subclass with corresponding subclass number."));
        return;
    }
    ui->comboBoxSubclasses->setCurrentIndex(index);
    validateEdit(ui->lineEditSubclass, true, QString());
    ui->buttonSubclass->setText(tr("Delete"));
    ui->buttonSubclass->setStatusTip(
        tr("Used to delete the existing subclass with coresponding subclass number."));
}

void Vorlan::on_comboBoxInvalid_activated(const QString& arg1)
{
    const int index =
        ui->comboBoxSubclasses->findText(arg1, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        ui->comboBoxSubclasses->setCurrentIndex(index);
}

void Vorlan::selectPreviousSubclass()
{
    const int index = ui->comboBoxSubclasses->currentIndex();
    if (index > 0)
        ui->comboBoxSubclasses->setCurrentIndex(index - 1);
}

void Vorlan::selectNextSubclass()
{
    const int index = ui->comboBoxSubclasses->currentIndex();
    if (index < ui->comboBoxSubclasses->count() - 1)
        ui->comboBoxSubclasses->setCurrentIndex(index + 1);
}
