// Emptying, showing and hiding the subclass panel as a whole.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

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
