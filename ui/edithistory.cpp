#include "ui/edithistory.h"

#include "ui/undo/recordedstep.h"
#include "ui/windowtext.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QSignalBlocker>

#include <memory>

EditHistory::EditHistory(QWidget& window, QAction* undo, QAction* redo, StepContext context)
    : window(window), undoAction(undo), redoAction(redo), stepContext(std::move(context))
{
    undo->setShortcuts(QKeySequence::Undo);
    redo->setShortcuts(QKeySequence::Redo);
    connect(undo, &QAction::triggered, &steps, &QUndoStack::undo);
    connect(redo, &QAction::triggered, &steps, &QUndoStack::redo);
    connect(&steps, &QUndoStack::indexChanged, this, [this] {
        refresh();
        emit changed();
    });
    connect(&steps, &QUndoStack::cleanChanged, this, &EditHistory::refresh);
    qApp->installEventFilter(this);
    refresh();
}

void EditHistory::record(RecordedStep* step)
{
    steps.push(step);
}

void EditHistory::markSaved()
{
    steps.setClean();
}

void EditHistory::restart()
{
    {
        const QSignalBlocker blocker(&steps);
        steps.clear();
    }
    refresh();
    emit changed();
}

void EditHistory::refresh()
{
    undoAction->setEnabled(steps.canUndo());
    undoAction->setText(steps.canUndo() ? windowText("Undo %1").arg(steps.undoText())
                                        : windowText("Undo"));
    redoAction->setEnabled(steps.canRedo());
    redoAction->setText(steps.canRedo() ? windowText("Redo %1").arg(steps.redoText())
                                        : windowText("Redo"));
    window.setWindowModified(!steps.isClean());
}

bool EditHistory::eventFilter(QObject* watched, QEvent* event)
{
    auto* edit = qobject_cast<QLineEdit*>(watched);
    if (!edit || edit->window() != &window)
        return false;
    if (event->type() == QEvent::ContextMenu) {
        showFieldMenu(edit, static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (event->type() != QEvent::ShortcutOverride && event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    // Left unaccepted, the override lets the window's shortcut have the key; a key press that
    // still arrives, with nothing to undo, goes nowhere.
    return key->matches(QKeySequence::Undo) || key->matches(QKeySequence::Redo);
}

void EditHistory::showFieldMenu(QLineEdit* edit, const QPoint& where)
{
    const std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    // The field's own Undo and Redo, which lead its menu, give way to the configuration's.
    const QString ownUndo = QCoreApplication::translate("QLineEdit", "&Undo");
    const QList<QAction*> own = menu->actions();
    if (own.size() > 1 && own[0]->text().startsWith(ownUndo)) {
        menu->insertActions(own[0], {undoAction, redoAction});
        menu->removeAction(own[0]);
        menu->removeAction(own[1]);
    }
    menu->exec(where);
}
