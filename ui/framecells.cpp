// Where the run-time editors of a frame stand in its layout.
#include "ui/framecells.h"

#include <QCheckBox>
#include <QFrame>
#include <QLayout>
#include <QLineEdit>

namespace {

// Layout item 0 is the frame's caption (or, under the axle weights, a spacer).
constexpr int captionItems = 1;

} // namespace

namespace FrameCells {

QWidget* at(const QFrame* frame, int index)
{
    QLayout* layout = frame ? frame->layout() : nullptr;
    QLayoutItem* item = layout && index >= 0 ? layout->itemAt(index + captionItems) : nullptr;
    return item ? item->widget() : nullptr;
}

QLineEdit* lineEditAt(const QFrame* frame, int index)
{
    return qobject_cast<QLineEdit*>(at(frame, index));
}

QCheckBox* checkBoxAt(const QFrame* frame, int index)
{
    return qobject_cast<QCheckBox*>(at(frame, index));
}

int indexOf(const QFrame* frame, const QWidget* widget)
{
    QLayout* layout = frame ? frame->layout() : nullptr;
    if (!layout || !widget)
        return -1;
    const int item = layout->indexOf(const_cast<QWidget*>(widget));
    return item >= captionItems ? item - captionItems : -1;
}

int count(const QFrame* frame)
{
    QLayout* layout = frame ? frame->layout() : nullptr;
    return layout ? layout->count() - captionItems : 0;
}

void append(QFrame* frame, QWidget* editor)
{
    frame->layout()->addWidget(editor);
}

void clearAndHide(QWidget* editor)
{
    if (auto* edit = qobject_cast<QLineEdit*>(editor))
        edit->clear();
    else if (auto* box = qobject_cast<QCheckBox*>(editor))
        box->setChecked(false);
    if (editor)
        editor->hide();
}

QWidget* orderTabs(QWidget* previous, const QFrame* frame)
{
    for (int index = 0; index < count(frame); ++index) {
        QWidget::setTabOrder(previous, at(frame, index));
        previous = at(frame, index);
    }
    return previous;
}

} // namespace FrameCells
