// The list of invalid subclasses beside the subclass list.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

namespace {

QString itemText(quint32 number)
{
    return QStringLiteral("subclass_") + QString::number(number);
}

} // namespace

void Vorlan::refreshInvalidSubclasses()
{
    ui->comboBoxInvalid->clear();
    for (quint32 number : conf.invalid_subclass_numbers())
        ui->comboBoxInvalid->addItem(itemText(number));
    if (ui->comboBoxInvalid->count() > 0) {
        ui->comboBoxInvalid->show();
        ui->labelInvalid->setText(invalidSubclassesText);
    } else {
        ui->comboBoxInvalid->hide();
        ui->labelInvalid->setText(subclassesValidText);
    }
}

void Vorlan::updateInvalidEntry(const Subclass& subclass)
{
    const QString name = itemText(subclass.get_number());
    const int listed =
        ui->comboBoxInvalid->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
    const bool valid = subclass.is_subclass_valid(conf.get_min_axle_distance__m(),
                                                  conf.get_max_axle_distance__m());
    if (listed >= 0 && valid)
        ui->comboBoxInvalid->removeItem(listed);
    else if (listed < 0 && !valid)
        ui->comboBoxInvalid->addItem(name);

    if (ui->comboBoxInvalid->count() > 0 && ui->comboBoxInvalid->isHidden()) {
        ui->labelInvalid->setText(invalidSubclassesText);
        ui->comboBoxInvalid->show();
    } else if (ui->comboBoxInvalid->count() == 0) {
        ui->labelInvalid->setText(subclassesValidText);
        ui->comboBoxInvalid->hide();
    }
}

void Vorlan::clearInvalidList()
{
    ui->comboBoxInvalid->clear();
    ui->comboBoxInvalid->hide();
    ui->labelInvalid->setText(subclassesValidText);
}
