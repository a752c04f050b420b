#include "ui/undo/headeredit.h"

namespace {

const int typingId = 2;

} // namespace

HeaderEdit::HeaderEdit(StepContext& context, const QString& text, Store store,
                       const QString& before, const QString& after,
                       StepContext::Shown::Change shown, int typedKey)
    : RecordedStep(context, text), store(std::move(store)), before(before), after(after),
      shown(shown), typedKey(typedKey)
{
}

int HeaderEdit::id() const
{
    return typedKey >= 0 ? typingId : -1;
}

bool HeaderEdit::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const HeaderEdit*>(other);
    if (next->typedKey != typedKey)
        return false;
    after = next->after;
    return true;
}

void HeaderEdit::apply(bool forward)
{
    store(context.conf, forward ? after : before);
    context.show({shown});
}
