#include "ui/undo/subclasslisting.h"

#include "model/conf.h"

SubclassListing::SubclassListing(StepContext& context, const QString& text, Change change,
                                 const Subclass& record, int position,
                                 std::optional<quint32> shownBefore)
    : RecordedStep(context, text), change(change), record(record), position(position),
      shownBefore(shownBefore)
{
}

void SubclassListing::apply(bool forward)
{
    using Shown = StepContext::Shown;
    const quint32 number = record.get_number();
    if (forward == (change == Change::added)) {
        context.conf.insert_subclass(number, record);
        context.show({Shown::Change::added, number, position});
    } else {
        context.conf.remove_subclass(number);
        context.show({Shown::Change::removed, number, -1, shownBefore});
    }
}
