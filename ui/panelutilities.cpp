// Emptying, showing and hiding the subclass panel as a whole.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

#include <QCheckBox>
#include <QLineEdit>

void Vorlan::clearSubclassPanel()
{
    for (QLineEdit* edit :
         {ui->lineEditSubclass, ui->lineEditOverrideClass, ui->lineEditOverrideGroups,
          ui->lineEditAlias, ui->lineEditCopy, ui->lineEditCategory, ui->lineEditNumOfAxles,
          ui->lineEditMaxGrossWeight, ui->lineEditReclassUpGvw, ui->lineEditReclassUpTo,
          ui->lineEditReclassDownGvw, ui->lineEditReclassDownTo,
          ui->lineEditTotalDistanceConstraint, ui->lineEditTotalWeightConstraint})
        edit->clear();
    ui->groupBoxSubclass->hide();
    ui->groupBoxReclassify->hide();
    ui->frameMiddle->hide();
}

void Vorlan::resetSubclassFields()
{
    for (QLineEdit* edit :
         {ui->lineEditSubclass, ui->lineEditOverrideClass, ui->lineEditOverrideGroups,
          ui->lineEditAlias, ui->lineEditCopy, ui->lineEditCategory, ui->lineEditNumOfAxles,
          ui->lineEditMaxGrossWeight, ui->lineEditConfString, ui->lineEditAppend,
          ui->lineEditPrepend, ui->lineEditTotalDistanceConstraint,
          ui->lineEditTotalWeightConstraint})
        edit->clear();
    ui->comboBoxSubclasses->clear();
    ui->comboBoxInvalid->clear();
}

void Vorlan::showSubclassPanel()
{
    ui->groupBoxSubclass->show();
    ui->frameSubclassBottom->show();
    ui->groupBoxReclassify->show();
    ui->frameMiddle->show();
}

void Vorlan::showEmptySubclassPanel()
{
    clearSubclassPanel();
    ui->groupBoxSubclass->show();
    ui->frameSubclassBottom->hide();
    ui->comboBoxSubclasses->clear();
    clearInvalidList();
    hideAllAxleRows();
    // Axle 1 has editors whatever the axle count; a new subclass needs them.
    for (QFrame* frame :
         {ui->frameMaxAxleWeightsEdits, ui->frameMaxAxleWeightsBoxes, ui->frameTyreTypes})
        if (QWidget* first = widgetAt(frame, 1))
            first->show();
}

void Vorlan::hideAllAxleRows()
{
    if (QLineEdit* weight = lineEditAt(ui->frameMaxAxleWeightsEdits, 1))
        weight->clear();
    if (QLineEdit* tyre = lineEditAt(ui->frameTyreTypes, 1))
        tyre->clear();
    if (auto* box = qobject_cast<QCheckBox*>(widgetAt(ui->frameMaxAxleWeightsBoxes, 1)))
        box->setChecked(false);

    const int created = ui->frameMaxAxleDists->layout()->count() - 1;
    for (int row = 1; row <= created; ++row) {
        hideLineEdit(widgetAt(ui->frameMaxAxleDists, row));
        hideLineEdit(widgetAt(ui->frameMinAxleDists, row));
        hideLineEdit(widgetAt(ui->frameMaxAxleWeightsEdits, row + 1));
        hideCheckBox(widgetAt(ui->frameMaxAxleWeightsBoxes, row + 1));
        hideLineEdit(widgetAt(ui->frameTyreTypes, row + 1));
    }
    if (currentConstraintFrame) {
        for (int position = 1; position < currentConstraintFrame->layout()->count(); ++position)
            hideLineEdit(widgetAt(currentConstraintFrame, position));
    }
}
