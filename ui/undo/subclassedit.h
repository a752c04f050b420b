#pragma once

#include "model/subclass.h"
#include "ui/undo/recordedstep.h"

// A change to one subclass record: typing in one of its fields, or a constraint added or cleared.
// It holds the record before and after; the copies share their texts with the configuration's
// record until one of them changes.
class SubclassEdit : public RecordedStep
{
public:
    // editor is the field typed into, whose next keystrokes join this step; a step without one
    // stands alone.
    SubclassEdit(StepContext& context, const QString& text, const Subclass& before,
                 const Subclass& after, const void* editor = nullptr);

    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

protected:
    void apply(bool forward) override;

private:
    quint32 number;
    Subclass before;
    Subclass after;
    const void* editor;
};
