// Choosing the displayed units and applying the choice to the window.
#include "ui/vorlan.h"

#include "units/measurementunits.h"

void Vorlan::menuConfigurationClicked()
{
    // The dialog's g is the one tonnes are shown with; other units have none, so it offers the
    // standard value should the user switch to tonnes.
    const float g = units.weightUnit() == 0 ? units.weightFactor() : 9.80665f;
    unitsDialog = new MeasurementUnits(this, units.weightUnit(), units.lengthUnit(), g);
    connect(unitsDialog, &MeasurementUnits::sendUnits, this, &Vorlan::receiveUnits);
    unitsDialog->exec();
}

void Vorlan::receiveUnits(unsigned char weight, unsigned char length, float g)
{
    // Will adopt the chosen units and g and show every value in them.
    Q_UNUSED(weight)
    Q_UNUSED(length)
    Q_UNUSED(g)
}
