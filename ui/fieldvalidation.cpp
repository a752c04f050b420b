// Colouring fields by validity, and the small widget helpers the panel code shares.
#include "ui/vorlan.h"

#include <QCheckBox>
#include <QDebug>
#include <QFrame>
#include <QLayout>
#include <QLineEdit>

void Vorlan::validateEdit(QLineEdit* edit, bool valid, const QString& toolTip)
{
    if (!edit) {
        qWarning() << "Edit passed to validate is a nullptr!";
        return;
    }
    edit->setStyleSheet(valid ? validStyle : invalidStyle);
    edit->setToolTip(valid ? QString() : toolTip);
}

void Vorlan::validateTriState(QLineEdit* edit, Conf::MaxAxleDistance state)
{
    switch (state) {
    case Conf::MaxAxleDistance::valid:
        validateEdit(edit, true, QString());
        break;
    case Conf::MaxAxleDistance::lower_than_subclasses:
        if (!edit)
            break;
        edit->setStyleSheet(QStringLiteral("QLineEdit {background-color: yellow}"));
        edit->setToolTip(lowerThanSubclassesToolTip);
        break;
    case Conf::MaxAxleDistance::invalid:
        validateEdit(edit, false, tr("Value must be higher than min axle distance."));
        break;
    }
}

bool Vorlan::isShownInvalid(const QLineEdit* edit)
{
    // The style sheet reaches the palette only once the edit is polished, which a window
    // that was never shown has not done yet.
    edit->ensurePolished();
    return edit->palette().color(QPalette::Window) == QColor(255, 0, 0);
}

QWidget* Vorlan::widgetAt(const QFrame* frame, int index)
{
    QLayout* layout = frame ? frame->layout() : nullptr;
    QLayoutItem* item = layout ? layout->itemAt(index) : nullptr;
    return item ? item->widget() : nullptr;
}

QLineEdit* Vorlan::lineEditAt(QFrame* frame, int index) const
{
    auto* edit = qobject_cast<QLineEdit*>(widgetAt(frame, index));
    if (!edit)
        qWarning().noquote() << "Failed to convert to lineEdit for frame"
                             << (frame ? frame->objectName() : QString()) << "at index" << index;
    return edit;
}

void Vorlan::hideCheckBox(QWidget* widget)
{
    auto* box = qobject_cast<QCheckBox*>(widget);
    if (!box) {
        qWarning() << "Cast failed when trying to hide a checkBox for ";
        return;
    }
    box->setChecked(false);
    box->hide();
}

void Vorlan::hideLineEdit(QWidget* widget)
{
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (!edit) {
        qWarning() << "Cast failed when trying to hide a lineEdit for ";
        return;
    }
    edit->clear();
    edit->hide();
}

void Vorlan::hideLineEditAt(QFrame* frame, int index)
{
    QWidget* widget = widgetAt(frame, index);
    auto* edit = qobject_cast<QLineEdit*>(widget);
    if (!edit) {
        qWarning().noquote() << "Cast failed when trying to hide a lineEdit for"
                             << (widget ? widget->objectName() : QString());
        return;
    }
    edit->clear();
    edit->hide();
}

bool Vorlan::isValidFloat(const QString& text)
{
    bool ok = false;
    text.toFloat(&ok);
    if (!ok)
        qWarning().noquote() << text + QStringLiteral(" is not a valid float!");
    return ok;
}

bool Vorlan::isValidInt(const QString& text)
{
    bool ok = false;
    text.toInt(&ok, 10);
    if (!ok)
        qWarning().noquote() << text + QStringLiteral(" is not a valid int!");
    return ok;
}
