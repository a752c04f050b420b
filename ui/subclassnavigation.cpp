// Moving between subclasses, and creating, copying and deleting them.
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

void Vorlan::on_buttonSubclass_clicked()
{
    // Will create the typed subclass, or delete it when it exists.
}

void Vorlan::on_buttonCopy_clicked()
{
    // Will copy the shown subclass to the number in lineEditCopy.
}

void Vorlan::on_lineEditCopy_textEdited(const QString& arg1)
{
    // Will colour the copy target by whether its number is still free.
    Q_UNUSED(arg1)
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
