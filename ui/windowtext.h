#pragma once

#include <QCoreApplication>
#include <QString>

// The window's fixed texts are translated in one context, "Vorlan", whichever panel shows them.
inline QString windowText(const char* sourceText)
{
    return QCoreApplication::translate("Vorlan", sourceText);
}
