#include "ui/undo/subclassedit.h"

#include "model/conf.h"

namespace {

const int typingId = 1;

} // namespace

SubclassEdit::SubclassEdit(StepContext& context, const QString& text, const Subclass& before,
                           const Subclass& after, const void* editor)
    : RecordedStep(context, text), number(after.get_number()), before(before), after(after),
      editor(editor)
{
}

int SubclassEdit::id() const
{
    return editor ? typingId : -1;
}

bool SubclassEdit::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const SubclassEdit*>(other);
    if (next->editor != editor || next->number != number)
        return false;
    after = next->after;
    return true;
}

void SubclassEdit::apply(bool forward)
{
    context.conf.get_subclass(number) = forward ? after : before;
    context.show({StepContext::Shown::Change::record, number});
}
