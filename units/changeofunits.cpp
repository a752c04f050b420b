// Choosing the displayed units, and showing every value of the window again in them.
#include "ui/vorlan.h"

#include "ui/axlerows.h"
#include "ui/constraintpanel.h"
#include "ui/edithistory.h"
#include "ui/fieldcolours.h"
#include "ui/storedsettings.h"
#include "ui/undo/headeredit.h"
#include "ui_vorlan.h"
#include "units/measurementunits.h"

#include <QLabel>
#include <QLineEdit>

using UnitKind = DisplayUnits::Kind;

void Vorlan::menuConfigurationClicked()
{
    // The dialog's g is the one tonnes are shown with; other units have none, so it offers the
    // standard value should the user switch to tonnes.
    const float g = units.weightUnit() == 0 ? units.weightFactor() : DisplayUnits::standardGravity;
    MeasurementUnits dialog(this, units.weightUnit(), units.lengthUnit(), g);
    connect(&dialog, &MeasurementUnits::sendUnits, this, &Vorlan::receiveUnits);
    if (dialog.exec() == QDialog::Accepted)
        StoredSettings::setUnitCodes(units.weightUnit(), units.lengthUnit());
}

void Vorlan::receiveUnits(unsigned char weight, unsigned char length, float g)
{
    units.setUnits(weight, length, g);
    // With tonnes the button names the g in use, which is not the one received when that one
    // was refused; the other units send no g and the button reads 0.
    const float shownG = weight == 0 ? units.weightFactor() : g;
    header->showG(QString::number(double(shownG), 'g', 6));

    // A g that the header already holds is replaced even by the standard one: otherwise the
    // file would keep a g that the user has just changed away from.
    const QString before = conf.get_g_acceleration_constant();
    const QString after = QString::number(double(units.weightFactor()), 'g', 6);
    if (units.weightUnit() == 0 &&
        (units.weightFactor() != DisplayUnits::standardGravity || !before.isEmpty()) &&
        after != before) {
        conf.set_g_acceleration_constant(after);
        history->record(new HeaderEdit(history->context(), tr("set g to %1").arg(after),
                                       &Conf::set_g_acceleration_constant, before, after,
                                       StepContext::Shown::Change::g));
    }
    redisplayUnits();
}

void Vorlan::redisplayUnits()
{
    header->redisplayUnits(conf);

    // Also the captions of the reclassification limits, whose values are weights as well.
    for (QLabel* label : {ui->labelPrepend, ui->labelAppend})
        label->setText(DisplayUnits::withSuffix(label->text(), units.suffix(UnitKind::length)));
    for (QLabel* label : {ui->labelMaxGrossWeight, ui->labelReclassUpGvw, ui->labelReclassDownGvw})
        label->setText(DisplayUnits::withSuffix(label->text(), units.suffix(UnitKind::weight)));

    const Subclass* subclass = currentSubclass();
    // A count that is not valid has no per-axle editors laid out for it.
    const int axles = subclass && subclass->is_number_of_axles_valid()
                          ? subclass->get_number_of_axles().toInt()
                          : 0;
    axleRows->redisplayUnits(subclass, axles);
    constraints->redisplayUnits(subclass);
    if (!subclass)
        return;
    // Left in the old unit, a value retyped would be stored in the new one.
    for (const auto& [edit, value, kind] :
         {std::tuple{ui->lineEditPrepend, subclass->get_prepend__m(), UnitKind::length},
          std::tuple{ui->lineEditAppend, subclass->get_append__m(), UnitKind::length},
          std::tuple{ui->lineEditMaxGrossWeight, subclass->get_max_GVW__kN(), UnitKind::weight},
          std::tuple{ui->lineEditReclassUpGvw, subclass->get_upper_GVW_limit__kN(),
                     UnitKind::weight},
          std::tuple{ui->lineEditReclassDownGvw, subclass->get_lower_GVW_limit__kN(),
                     UnitKind::weight}})
        showFieldText(edit, units.toDisplayedText(value, kind), true);
}
