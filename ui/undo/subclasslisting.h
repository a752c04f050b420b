#pragma once

#include "model/subclass.h"
#include "ui/undo/recordedstep.h"

#include <optional>

// A subclass created, copied or deleted: the step puts the record into the configuration, at its
// place in the subclass list, or takes it out.
class SubclassListing : public RecordedStep
{
public:
    enum class Change
    {
        added,
        deleted
    };

    // position is the subclass's place in the list while listed; shownBefore the subclass shown
    // before a subclass was added, shown again when the addition is undone.
    SubclassListing(StepContext& context, const QString& text, Change change,
                    const Subclass& record, int position,
                    std::optional<quint32> shownBefore = std::nullopt);

protected:
    void apply(bool forward) override;

private:
    Change change;
    Subclass record;
    int position;
    std::optional<quint32> shownBefore;
};
