// The subclass list and the list of invalid subclasses.
#include "ui/subclasslists.h"

#include "ui/windowtext.h"
#include "ui_vorlan.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QHelpEvent>
#include <QLabel>
#include <QSignalBlocker>

namespace {

const QString itemPrefix = QStringLiteral("subclass_");

} // namespace

SubclassLists::SubclassLists(Ui::Vorlan& form, std::function<QString(quint32)> reasons)
    : subclasses(form.comboBoxSubclasses), invalid(form.comboBoxInvalid),
      invalidCaption(form.labelInvalid), reasons(std::move(reasons))
{
    invalid->installEventFilter(this);
    invalid->view()->viewport()->installEventFilter(this);
}

bool SubclassLists::eventFilter(QObject* watched, QEvent* event)
{
    // The tip is set just before the list or its open list shows it, from the reasons as they
    // are now.
    if (event->type() != QEvent::ToolTip || !reasons)
        return false;
    if (watched == invalid) {
        const auto number = numberOf(invalid->currentText());
        invalid->setToolTip(number ? reasons(*number) : QString());
    } else {
        const QModelIndex item = invalid->view()->indexAt(static_cast<QHelpEvent*>(event)->pos());
        if (const auto number = numberOf(item.data().toString()))
            invalid->setItemData(item.row(), reasons(*number), Qt::ToolTipRole);
    }
    return false;
}

QString SubclassLists::itemText(quint32 number)
{
    return itemPrefix + QString::number(number);
}

std::optional<quint32> SubclassLists::numberOf(const QString& itemText)
{
    if (!itemText.startsWith(itemPrefix))
        return std::nullopt;
    bool isNumber = false;
    const quint32 number = itemText.midRef(itemPrefix.size()).toUInt(&isNumber);
    if (!isNumber)
        return std::nullopt;
    return number;
}

void SubclassLists::fill(const QList<quint32>& numbers)
{
    QStringList names;
    names.reserve(numbers.size());
    for (quint32 number : numbers)
        names << itemText(number);
    // The window shows the first subclass once, when the lists are complete.
    const QSignalBlocker blocker(subclasses);
    subclasses->addItems(names);
}

void SubclassLists::clear()
{
    subclasses->clear();
    refreshInvalid({});
}

int SubclassLists::count() const
{
    return subclasses->count();
}

void SubclassLists::append(quint32 number)
{
    subclasses->addItem(itemText(number));
}

void SubclassLists::insert(int position, quint32 number)
{
    const QSignalBlocker blocker(subclasses);
    subclasses->insertItem(position, itemText(number));
}

void SubclassLists::remove(quint32 number, bool announce)
{
    if (listedInvalid(number)) {
        invalid->removeItem(invalidPosition(number));
        showInvalidState();
    }
    const QSignalBlocker blocker(announce ? nullptr : subclasses);
    subclasses->removeItem(position(number));
}

int SubclassLists::position(quint32 number) const
{
    return subclasses->findText(itemText(number), Qt::MatchExactly | Qt::MatchCaseSensitive);
}

std::optional<quint32> SubclassLists::current() const
{
    return numberOf(subclasses->currentText());
}

bool SubclassLists::select(quint32 number, bool announce)
{
    // Moving through a long list, the subclass asked for is mostly the current one already.
    if (subclasses->currentText() == itemText(number))
        return true;
    const int index = position(number);
    if (index < 0)
        return false;
    const QSignalBlocker blocker(announce ? nullptr : subclasses);
    subclasses->setCurrentIndex(index);
    return true;
}

void SubclassLists::selectLast()
{
    subclasses->setCurrentIndex(subclasses->count() - 1);
}

void SubclassLists::selectPrevious()
{
    const int index = subclasses->currentIndex();
    if (index > 0)
        subclasses->setCurrentIndex(index - 1);
}

void SubclassLists::selectNext()
{
    const int index = subclasses->currentIndex();
    if (index < subclasses->count() - 1)
        subclasses->setCurrentIndex(index + 1);
}

void SubclassLists::removeCurrent()
{
    if (const auto number = current())
        remove(*number, true);
}

int SubclassLists::invalidPosition(quint32 number) const
{
    int low = 0;
    int high = invalid->count();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (numberOf(invalid->itemText(middle)).value_or(0) < number)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

bool SubclassLists::listedInvalid(quint32 number) const
{
    const int position = invalidPosition(number);
    return position < invalid->count() && invalid->itemText(position) == itemText(number);
}

void SubclassLists::refreshInvalid(const QList<quint32>& numbers)
{
    QStringList names;
    names.reserve(numbers.size());
    for (quint32 number : numbers)
        names << itemText(number);
    invalid->clear();
    // One insertion, not one per subclass: each insertion tells the list's model and views.
    invalid->addItems(names);
    showInvalidState();
}

void SubclassLists::updateInvalidEntry(quint32 number, bool valid)
{
    const bool listed = listedInvalid(number);
    if (listed && valid)
        invalid->removeItem(invalidPosition(number));
    else if (!listed && !valid)
        invalid->insertItem(invalidPosition(number), itemText(number));
    showInvalidState();
}

void SubclassLists::showInvalidState()
{
    const bool any = invalid->count() > 0;
    invalid->setVisible(any);
    invalidCaption->setText(any ? windowText("Invalid subclasses:")
                                : windowText("Subclasses are valid."));
}
