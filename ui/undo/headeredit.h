#pragma once

#include "ui/undo/recordedstep.h"

#include <functional>

// A change to one header value: typing in a header field, or the g stored by a choice of units.
class HeaderEdit : public RecordedStep
{
public:
    using Store = std::function<void(Conf&, const QString&)>;

    // typedKey names the field typed into, whose next keystrokes join this step; a step without
    // one (-1) stands alone.
    HeaderEdit(StepContext& context, const QString& text, Store store, const QString& before,
               const QString& after, StepContext::Shown::Change shown, int typedKey = -1);

    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

protected:
    void apply(bool forward) override;

private:
    Store store;
    QString before;
    QString after;
    StepContext::Shown::Change shown;
    int typedKey;
};
