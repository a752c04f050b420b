// Choosing the displayed units and applying the choice to the window.
#include "ui/vorlan.h"

void Vorlan::menuConfigurationClicked()
{
    // Will open the units dialog with the current units and g.
}

void Vorlan::receiveUnits(unsigned char weight, unsigned char length, float g)
{
    // Will adopt the chosen units and g and show every value in them.
    Q_UNUSED(weight)
    Q_UNUSED(length)
    Q_UNUSED(g)
}
