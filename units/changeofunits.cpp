// Choosing the displayed units, and showing every value of the window again in them.
#include "ui/vorlan.h"

#include "ui/analysisdock.h"
#include "ui/axlerows.h"
#include "ui/constraintpanel.h"
#include "ui/edithistory.h"
#include "ui/storedsettings.h"
#include "ui/subclassfields.h"
#include "ui/undo/headeredit.h"
#include "ui_vorlan.h"
#include "units/measurementunits.h"

void Vorlan::menuConfigurationClicked()
{
    MeasurementUnits dialog(this, units.weightUnit(), units.lengthUnit(), units.gravity());
    connect(&dialog, &MeasurementUnits::sendUnits, this, &Vorlan::receiveUnits);
    if (dialog.exec() == QDialog::Accepted)
        StoredSettings::setUnitCodes(units.weightUnit(), units.lengthUnit());
}

void Vorlan::receiveUnits(unsigned char weight, unsigned char length, float g)
{
    units.setUnits(weight, length, g);
    // The g in use, in every unit: the other units send none, and a g refused is not used.
    const QString after = units.gravityText();
    header->showG(after);

    // A g that the header already holds is replaced even by the standard one: otherwise the
    // file would keep a g that the user has just changed away from.
    const QString before = conf.get_g_acceleration_constant();
    if ((units.gravity() != DisplayUnits::standardGravity || !before.isEmpty()) &&
        after != before) {
        conf.set_g_acceleration_constant(after);
        history->record(new HeaderEdit(history->context(), tr("set g to %1").arg(after),
                                       &Conf::set_g_acceleration_constant, before, after,
                                       StepContext::Shown::Change::g));
    }
    redisplayUnits();
    // The analyses show lengths in the displayed unit.
    analysis->markOutOfDate();
}

void Vorlan::redisplayUnits()
{
    header->redisplayUnits(conf, verdicts.highest_max_distance());
    const Subclass* subclass = currentSubclass();
    // A count that is not valid has no per-axle editors laid out for it.
    const int axles = subclass && subclass->is_number_of_axles_valid()
                          ? subclass->get_number_of_axles().toInt()
                          : 0;
    axleRows->redisplayUnits(subclass, axles, conf);
    constraints->redisplayUnits(subclass);
    SubclassFields::redisplayUnits(*ui, units, subclass);
}
