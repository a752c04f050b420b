// Showing a subclass in the panel, moving between subclasses, and the panel as a whole.
#include "ui/vorlan.h"

#include "picture/vehicleviews.h"
#include "ui/analysisdock.h"
#include "ui/axlerows.h"
#include "ui/constraintpanel.h"
#include "ui/fieldcolours.h"
#include "ui/subclassfields.h"
#include "ui/subclasslists.h"
#include "ui_vorlan.h"

#include <QLineEdit>
#include <QSignalBlocker>

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

void Vorlan::on_lineEditSubclass_textChanged(const QString& /*arg1*/)
{
    // Named again, even the subclass shown before is shown afresh, ready to be edited.
    if (const Subclass* subclass = currentSubclass()) {
        showSubclass(subclass->get_number());
        return;
    }
    setSubclassNamed(false);
    validateEdit(ui->lineEditSubclass, false,
                 tr("Subclass does not exist. Click on button \"New\" to create one"));
    ui->buttonSubclass->setText(tr("New"));
    ui->buttonSubclass->setStatusTip(
        tr("Used to create a new subclass with corresponding subclass number."));
}

void Vorlan::setSubclassNamed(bool named)
{
    // Nothing typed may be dropped in silence: with no subclass to take it, the subclass's fields
    // take no input, and no number stands as the one shown.
    for (QWidget* part :
         {static_cast<QWidget*>(ui->lineEditOverrideClass),
          static_cast<QWidget*>(ui->lineEditOverrideGroups),
          static_cast<QWidget*>(ui->lineEditCopy), static_cast<QWidget*>(ui->frameSubclassBottom),
          static_cast<QWidget*>(ui->groupBoxReclassify), static_cast<QWidget*>(ui->frameMiddle)})
        part->setEnabled(named);
    if (named) {
        on_lineEditCopy_textEdited(ui->lineEditCopy->text());
    } else {
        ui->buttonCopy->setEnabled(false);
        ui->labelSubclassLarge->clear();
    }
}

void Vorlan::showSubclass(quint32 number)
{
    if (!conf.has_subclass(number))
        return;
    // Quietly, as this shows it: announced, it would be shown twice.
    lists->select(number, false);
    const QString numberText = QString::number(number);
    {
        const QSignalBlocker quiet(ui->lineEditSubclass);
        ui->lineEditSubclass->setText(numberText);
    }
    validateEdit(ui->lineEditSubclass, true, QString());
    ui->buttonSubclass->setText(tr("Delete"));
    ui->buttonSubclass->setStatusTip(
        tr("Used to delete the existing subclass with coresponding subclass number."));
    setSubclassNamed(true);
    ui->labelSubclassLarge->setText(numberText);
    analysis->showCurrentSubclass(number);
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
    SubclassFields::showUnitFields(*ui, units, subclass);

    // Without a valid axle count there are no per-axle editors and nothing to draw; the
    // other fields still show this subclass, never the one shown before.
    const bool drawable = subclass.is_number_of_axles_valid();
    if (drawable)
        axleRows->show(subclass, count.toInt(), conf);
    else
        axleRows->hideAll();
    constraints->show(subclass);

    ui->lineEditReclassUpTo->setText(subclass.get_reclassify_up_to_subclass());
    ui->lineEditReclassDownTo->setText(subclass.get_reclassify_down_to_subclass());
    SubclassFields::judgeReclassifyTarget(*ui, conf, subclass, ui->lineEditReclassUpTo, false);
    SubclassFields::judgeReclassifyTarget(*ui, conf, subclass, ui->lineEditReclassDownTo, false);

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
    // The copy target is white again, with nothing to judge.
    on_lineEditCopy_textEdited(QString());
    setSubclassNamed(false);
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
    showPicture(nullptr);
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
        verdicts.update(step.subclass, nullptr);
        header->judgeLimits(conf, verdicts.highest_max_distance());
        lists->remove(step.subclass);
        if (lists->count() == 0) {
            showEmptySubclassPanel();
        } else if (step.shownBefore && conf.has_subclass(*step.shownBefore)) {
            showSubclass(*step.shownBefore);
        } else if (const auto neighbour = lists->current()) {
            showSubclass(*neighbour);
        }
        break;
    case Change::g:
        // The g the header now holds is the one in use, as after Open.
        units.useGravityOf(conf);
        header->showG(units.gravityText());
        redisplayUnits();
        [[fallthrough]];
    case Change::header:
        // A header limit judges every subclass's distances.
        header->showFields(conf, verdicts.highest_max_distance());
        verdicts.set_limits(conf.get_min_axle_distance__m(), conf.get_max_axle_distance__m());
        lists->refreshInvalid(verdicts.invalid_numbers());
        if (const auto shown = lists->current())
            showSubclass(*shown);
        break;
    }
}
