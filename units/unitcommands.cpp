// Choosing the displayed units: the dialog, opened from the menu and the acceleration button.
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
