// Moving between subclasses, and creating, copying and deleting them.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

void Vorlan::on_comboBoxSubclasses_currentIndexChanged(const QString& arg1)
{
    // Will show the chosen subclass in every field of the panel.
    Q_UNUSED(arg1)
}

void Vorlan::on_lineEditSubclass_textChanged(const QString& arg1)
{
    // Will select the subclass with the typed number, or offer "New" when there is none.
    Q_UNUSED(arg1)
}

void Vorlan::on_comboBoxInvalid_activated(const QString& arg1)
{
    // Will select the picked invalid subclass in the subclass list.
    Q_UNUSED(arg1)
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
