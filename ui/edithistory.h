#pragma once

#include "ui/undo/stepcontext.h"

#include <QObject>
#include <QUndoStack>

class QAction;
class QLineEdit;
class QPoint;
class QWidget;
class RecordedStep;

// The configuration's undo history. Every change the user makes is recorded as a step; Undo and
// Redo in the Edit menu, and their keys wherever the focus is in the window, walk through them.
// The window is marked modified while the history stands anywhere but where the configuration
// was last opened or saved.
class EditHistory : public QObject
{
    Q_OBJECT

public:
    EditHistory(QWidget& window, QAction* undo, QAction* redo, StepContext context);

    // What the steps work on.
    StepContext& context() { return stepContext; }
    // Records a change already made.
    void record(RecordedStep* step);
    bool isModified() const { return !steps.isClean(); }
    void markSaved();
    // Open and New: a new configuration starts with an empty history, unmodified.
    void restart();

signals:
    // The configuration changed: a step was made, undone or redone, or another configuration
    // took the window's.
    void changed();

protected:
    // Keeps the undo keys and menu entries of the window's line edits, whose own undo would
    // compete, for the configuration's.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void refresh();
    // A field's context menu, with the configuration's Undo and Redo.
    void showFieldMenu(QLineEdit* edit, const QPoint& where);

    QWidget& window;
    QAction* undoAction;
    QAction* redoAction;
    StepContext stepContext;
    QUndoStack steps;
};
