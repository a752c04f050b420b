// Showing a subclass in the panel, moving between subclasses, and the panel as a whole.
#include "ui/vorlan.h"

#include "picture/vehicleviews.h"
#include "ui/axlerows.h"
#include "ui/constraintpanel.h"
#include "ui/fieldcolours.h"
#include "ui/subclasslists.h"
#include "ui_vorlan.h"

#include <QLineEdit>

using UnitKind = DisplayUnits::Kind;

void Vorlan::on_comboBoxSubclasses_currentIndexChanged(const QString& arg1)
{
    if (const auto number = SubclassLists::numberOf(arg1))
        showSubclass(*number);
}

void Vorlan::on_comboBoxInvalid_activated(const QString& arg1)
{
    if (const auto number = SubclassLists::numberOf(arg1))
        lists->select(*number);
}

void Vorlan::on_lineEditSubclass_textChanged(const QString& arg1)
{
    if (!currentSubclass()) {
        validateEdit(ui->lineEditSubclass, false,
                     tr("Subclass does not exist. Click on button \"New\" to create one"));
        ui->buttonSubclass->setText(tr("New"));
        ui->buttonSubclass->setStatusTip(
            tr("Used to create a new subclass with corresponding subclass number."));
        return;
    }
    lists->select(arg1.toUInt());
    validateEdit(ui->lineEditSubclass, true, QString());
    ui->buttonSubclass->setText(tr("Delete"));
    ui->buttonSubclass->setStatusTip(
        tr("Used to delete the existing subclass with coresponding subclass number."));
}

void Vorlan::showSubclass(quint32 number)
{
    if (!conf.has_subclass(number))
        return;
    // Quietly, as this shows it: announced, it would be shown twice.
    lists->select(number, false);
    const QString numberText = QString::number(number);
    ui->lineEditSubclass->setText(numberText);
    ui->labelSubclassLarge->setText(numberText);
    Subclass& subclass = conf.get_subclass(number);

    showFieldText(ui->lineEditOverrideClass, subclass.get_override_class(), true);
    showFieldText(ui->lineEditOverrideGroups, subclass.get_override_groups(), true);
    showFieldText(ui->lineEditAlias, subclass.get_alias(), true);
    showFieldText(ui->lineEditCategory, subclass.get_category(), subclass.is_category_valid());
    ui->lineEditConfString->setText(subclass.get_axle_configuration());
    // Lays out the per-axle editors and judges the count and the axle configuration, also when
    // the count reads the same as the one shown before, whose editors may have been laid out
    // for another subclass.
    const QString count = subclass.get_number_of_axles();
    if (ui->lineEditNumOfAxles->text() == count)
        on_lineEditNumOfAxles_textChanged(count);
    else
        ui->lineEditNumOfAxles->setText(count);
    showFieldText(ui->lineEditMaxGrossWeight,
                  units.toDisplayedText(subclass.get_max_GVW__kN(), UnitKind::weight),
                  subclass.is_max_GVW_valid());
    showFieldText(ui->lineEditPrepend,
                  units.toDisplayedText(subclass.get_prepend__m(), UnitKind::length), true);
    showFieldText(ui->lineEditAppend,
                  units.toDisplayedText(subclass.get_append__m(), UnitKind::length), true);

    // Without a valid axle count there are no per-axle editors and nothing to draw; the
    // other fields still show this subclass, never the one shown before.
    const bool drawable = subclass.is_number_of_axles_valid();
    if (drawable)
        axleRows->show(subclass, count.toInt(), conf);
    else
        axleRows->hideAll();
    constraints->show(subclass);

    showFieldText(ui->lineEditReclassUpGvw,
                  units.toDisplayedText(subclass.get_upper_GVW_limit__kN(), UnitKind::weight),
                  true);
    ui->lineEditReclassUpTo->setText(subclass.get_reclassify_up_to_subclass());
    showFieldText(ui->lineEditReclassDownGvw,
                  units.toDisplayedText(subclass.get_lower_GVW_limit__kN(), UnitKind::weight),
                  true);
    ui->lineEditReclassDownTo->setText(subclass.get_reclassify_down_to_subclass());
    judgeReclassifyTarget(subclass, ui->lineEditReclassUpTo, false);
    judgeReclassifyTarget(subclass, ui->lineEditReclassDownTo, false);

    showPicture(drawable ? &subclass : nullptr);
}

void Vorlan::clearSubclassFields()
{
    // The number first: with it empty, emptying the axle count changes no record.
    for (QLineEdit* edit :
         {ui->lineEditSubclass, ui->lineEditOverrideClass, ui->lineEditOverrideGroups,
          ui->lineEditAlias, ui->lineEditCopy, ui->lineEditCategory, ui->lineEditNumOfAxles,
          ui->lineEditMaxGrossWeight, ui->lineEditConfString, ui->lineEditPrepend,
          ui->lineEditAppend, ui->lineEditReclassUpGvw, ui->lineEditReclassUpTo,
          ui->lineEditReclassDownGvw, ui->lineEditReclassDownTo})
        edit->clear();
    ui->labelSubclassLarge->clear();
    constraints->clear();
}

void Vorlan::showSubclassPanel()
{
    for (QWidget* part :
         {static_cast<QWidget*>(ui->groupBoxSubclass),
          static_cast<QWidget*>(ui->frameSubclassBottom),
          static_cast<QWidget*>(ui->groupBoxReclassify), static_cast<QWidget*>(ui->frameMiddle)})
        part->show();
}

void Vorlan::showEmptySubclassPanel()
{
    clearSubclassFields();
    lists->clear();
    ui->groupBoxSubclass->show();
    ui->frameSubclassBottom->hide();
    ui->groupBoxReclassify->hide();
    ui->frameMiddle->hide();
    axleRows->hideAll();
    // Axle 1 has editors whatever the axle count; a new subclass needs them.
    axleRows->showFirstAxle();
}

void Vorlan::showPicture(const Subclass* subclass)
{
    showVehicle(ui->graphicsViewMin, ui->graphicsViewMax, subclass);
}

void Vorlan::showStep(const StepContext::Shown& step)
{
    using Change = StepContext::Shown::Change;
    switch (step.change) {
    case Change::record:
        subclassEdited(conf.get_subclass(step.subclass));
        showSubclass(step.subclass);
        break;
    case Change::added:
        lists->insert(step.position, step.subclass);
        if (lists->count() == 1)
            showSubclassPanel();
        subclassEdited(conf.get_subclass(step.subclass));
        showSubclass(step.subclass);
        break;
    case Change::removed:
        lists->remove(step.subclass);
        if (lists->count() == 0) {
            showEmptySubclassPanel();
            showPicture(nullptr);
        } else if (step.shownBefore && conf.has_subclass(*step.shownBefore)) {
            showSubclass(*step.shownBefore);
        } else if (const auto neighbour = lists->current()) {
            showSubclass(*neighbour);
        }
        break;
    case Change::g:
        // Tonnes are shown with the g the header holds, as after Open.
        if (units.weightUnit() == 0) {
            const float g = conf.get_g_acceleration_constant().toFloat();
            units.setWeightFactor(g > 0.0f ? g : DisplayUnits::standardGravity);
            header->showG(QString::number(double(units.weightFactor()), 'g', 6));
        }
        redisplayUnits();
        [[fallthrough]];
    case Change::header:
        // A header limit judges every subclass's distances.
        header->showFields(conf);
        lists->refreshInvalid(conf.invalid_subclass_numbers());
        if (const auto shown = lists->current())
            showSubclass(*shown);
        break;
    }
}
