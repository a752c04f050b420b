// The list of invalid subclasses beside the subclass list.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

#include <QComboBox>

namespace {

const QString itemPrefix = QStringLiteral("subclass_");

QString itemText(quint32 number)
{
    return itemPrefix + QString::number(number);
}

quint32 itemNumber(const QComboBox* list, int index)
{
    return list->itemText(index).midRef(itemPrefix.size()).toUInt();
}

// The position of number in the list, or where it would go. The list is kept in ascending
// order, as Open fills it, so an edit finds its subclass in a few steps instead of comparing
// the text of every listed subclass on every keystroke.
int positionOf(const QComboBox* list, quint32 number)
{
    int low = 0;
    int high = list->count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (itemNumber(list, middle) < number)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

} // namespace

void Vorlan::refreshInvalidSubclasses()
{
    const QList<quint32> numbers = conf.invalid_subclass_numbers();
    QStringList names;
    names.reserve(numbers.size());
    for (quint32 number : numbers)
        names << itemText(number);
    ui->comboBoxInvalid->clear();
    // One insertion, not one per subclass: each insertion tells the list's model and views.
    ui->comboBoxInvalid->addItems(names);
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
    const quint32 number = subclass.get_number();
    const int position = positionOf(ui->comboBoxInvalid, number);
    const bool listed = position < ui->comboBoxInvalid->count() &&
                        itemNumber(ui->comboBoxInvalid, position) == number;
    const bool valid = subclass.is_subclass_valid(conf.get_min_axle_distance__m(),
                                                  conf.get_max_axle_distance__m());
    if (listed && valid)
        ui->comboBoxInvalid->removeItem(position);
    else if (!listed && !valid)
        ui->comboBoxInvalid->insertItem(position, itemText(number));

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
