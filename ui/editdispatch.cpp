// Writing the user's edits of subclass fields back into the configuration.
#include "ui/vorlan.h"

void Vorlan::textChanged(const QString& text)
{
    // Will store the edited field's value in the current subclass and re-validate it.
    Q_UNUSED(text)
}
