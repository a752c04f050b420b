#pragma once

#include "ui/undo/stepcontext.h"

#include <QUndoCommand>

// One step of the edit history. The window makes every change as the user works, and records it
// afterwards, so the redo that QUndoStack runs when the step is pushed finds it made already.
class RecordedStep : public QUndoCommand
{
public:
    RecordedStep(StepContext& context, const QString& text) : QUndoCommand(text), context(context)
    {
    }

    void redo() final
    {
        if (made)
            made = false;
        else
            apply(true);
    }
    void undo() final { apply(false); }

protected:
    // Brings the configuration to its state after the step (forward) or before it, and shows it.
    virtual void apply(bool forward) = 0;

    StepContext& context;

private:
    bool made = true;
};
