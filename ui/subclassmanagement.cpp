// Creating, copying and deleting subclasses.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

#include <QLineEdit>

namespace {

QString itemText(quint32 number)
{
    return QStringLiteral("subclass_") + QString::number(number);
}

} // namespace

void Vorlan::on_buttonSubclass_clicked()
{
    const QString typed = ui->lineEditSubclass->text();
    bool isNumber = false;
    const quint32 number = typed.toUInt(&isNumber);
    if (!isNumber)
        return;

    if (ui->buttonSubclass->text() == tr("Delete")) {
        conf.remove_subclass(number);
        const int listed = ui->comboBoxInvalid->findText(ui->comboBoxSubclasses->currentText(),
                                                         Qt::MatchExactly | Qt::MatchCaseSensitive);
        if (listed >= 0)
            ui->comboBoxInvalid->removeItem(listed);
        if (ui->comboBoxInvalid->count() == 0)
            clearInvalidList();
        // The list then shows a neighbour; without one, nothing of the deleted subclass stays.
        ui->comboBoxSubclasses->removeItem(ui->comboBoxSubclasses->currentIndex());
        if (ui->comboBoxSubclasses->count() == 0) {
            showEmptySubclassPanel();
            clearVehiclePicture();
        }
        return;
    }

    // A number typed with a leading zero or sign is not found in the list, yet may name a
    // subclass that exists: show that one rather than replace it with an empty record.
    const QString name = itemText(number);
    if (conf.has_subclass(number)) {
        ui->lineEditSubclass->setText(QString::number(number));
        return;
    }

    Subclass subclass = Subclass::from_section({{QStringLiteral("subclass"), typed}});
    subclass.set_category(ui->lineEditUnclassified->text());
    conf.insert_subclass(number, subclass);
    validateEdit(ui->lineEditSubclass, conf.has_subclass(number), QString());
    ui->comboBoxSubclasses->addItem(name);
    // A new subclass has no axles yet, so it is listed as invalid.
    updateInvalidEntry(subclass);
    ui->comboBoxSubclasses->setCurrentIndex(ui->comboBoxSubclasses->count() - 1);
    if (ui->comboBoxSubclasses->count() == 1)
        showSubclassPanel();

    validateEdit(lineEditAt(ui->frameTyreTypes, 1), false, QString());
    validateEdit(lineEditAt(ui->frameMaxAxleWeightsEdits, 1), false, QString());
    ui->buttonSubclass->setText(tr("Delete"));
    clearVehiclePicture();
}

void Vorlan::on_buttonCopy_clicked()
{
    const quint32 source = ui->lineEditSubclass->text().toUInt();
    bool isNumber = false;
    const quint32 target = ui->lineEditCopy->text().toUInt(&isNumber);
    // The target may have been created since it was typed; a copy never replaces a subclass.
    if (!isNumber || !conf.has_subclass(source) || conf.has_subclass(target)) {
        on_lineEditCopy_textEdited(ui->lineEditCopy->text());
        return;
    }

    Subclass copy = conf.get_subclass(source);
    copy.set_number(target);
    conf.insert_subclass(target, copy);
    ui->comboBoxSubclasses->addItem(itemText(target));
    updateInvalidEntry(copy);

    ui->buttonCopy->setEnabled(false);
    validateEdit(ui->lineEditCopy, false, QString());
    ui->comboBoxSubclasses->setCurrentIndex(ui->comboBoxSubclasses->count() - 1);
}

void Vorlan::on_lineEditCopy_textEdited(const QString& arg1)
{
    if (arg1.isEmpty()) {
        ui->lineEditCopy->setStyleSheet(QStringLiteral("QLineEdit {background-color: white}"));
        ui->buttonCopy->setEnabled(false);
        return;
    }
    // A sign makes no subclass number, though the field's validator lets it be typed.
    bool isNumber = false;
    const bool free = !conf.has_subclass(arg1.toUInt(&isNumber)) && isNumber;
    validateEdit(ui->lineEditCopy, free, copyTargetToolTip);
    ui->buttonCopy->setEnabled(free);
}
