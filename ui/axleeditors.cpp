// The per-axle editors: distances, weights, selection boxes and tyre types.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

#include <QCheckBox>
#include <QDebug>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLineEdit>

namespace {

QString entryAt(const QStringList& list, int index)
{
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

} // namespace

void Vorlan::on_lineEditNumOfAxles_textChanged(const QString& arg1)
{
    if (ui->lineEditSubclass->text().isEmpty())
        return;
    // While the typed subclass number does not exist there is no record to keep in step.
    const quint32 number = ui->lineEditSubclass->text().toUInt();
    if (!conf.has_subclass(number))
        return;
    Subclass& subclass = conf.get_subclass(number);
    subclass.set_number_of_axles(arg1);
    validateEdit(ui->lineEditNumOfAxles, subclass.is_number_of_axles_valid(), numberOfAxlesToolTip);
    validateEdit(ui->lineEditConfString, subclass.is_axle_configuration_valid(),
                 axleConfigurationToolTip);
    if (isShownInvalid(ui->lineEditNumOfAxles))
        return;

    const int axles = arg1.toInt();
    const int created = ui->frameMaxAxleDists->layout()->count() - 1;
    for (int row = created; row >= axles; --row)
        hideAxleRow(subclass, row);
    for (int row = 1; row < axles; ++row) {
        if (row <= created)
            showAxleRow(subclass, row);
        else
            createAxleRow(subclass, row);
    }
    // Axle 1 has no row of its own to show; it may have been emptied while the count was
    // invalid.
    showAxleRowValues(subclass, 0);
    validateAxleRow(subclass, 0);
    applyAxleConfiguration(subclass);
    validateReclassifyTargets(subclass);
}

void Vorlan::setupAxleEdit(QLineEdit* edit, bool real, const QString& statusTip,
                           const QString& objectName)
{
    edit->setMaximumWidth(45);
    QValidator* validator = real ? static_cast<QValidator*>(new QDoubleValidator(edit))
                                 : static_cast<QValidator*>(new QIntValidator(edit));
    validator->setLocale(locale());
    edit->setValidator(validator);
    edit->setStatusTip(statusTip);
    edit->setObjectName(objectName);
    connect(edit, &QLineEdit::textEdited, this, &Vorlan::textChanged);
}

QCheckBox* Vorlan::createAxleBox(int axle)
{
    // Two characters wide, so the boxes of axles 1 to 9 line up with those of 10 to 20.
    auto* box = new QCheckBox(QString::number(axle).leftJustified(2, QLatin1Char(' ')), this);
    box->setStatusTip(axleBoxStatusTip);
    box->setObjectName(QStringLiteral("MaxAxleWeightBox%1").arg(axle));
    return box;
}

void Vorlan::createAxleRow(Subclass& subclass, int row)
{
    auto* maxDistance = new QLineEdit(this);
    setupAxleEdit(maxDistance, true, maxDistanceStatusTip,
                  QStringLiteral("MaxAxleDist%1").arg(row));
    ui->frameMaxAxleDists->layout()->addWidget(maxDistance);
    auto* minDistance = new QLineEdit(this);
    setupAxleEdit(minDistance, true, minDistanceStatusTip,
                  QStringLiteral("MinAxleDist%1").arg(row));
    ui->frameMinAxleDists->layout()->addWidget(minDistance);
    auto* weight = new QLineEdit(this);
    setupAxleEdit(weight, true, axleWeightStatusTip,
                  QStringLiteral("MaxAxleWeightEdit%1").arg(row + 1));
    ui->frameMaxAxleWeightsEdits->layout()->addWidget(weight);
    QCheckBox* box = createAxleBox(row + 1);
    ui->frameMaxAxleWeightsBoxes->layout()->addWidget(box);
    auto* tyre = new QLineEdit(this);
    setupAxleEdit(tyre, false, tyreTypeStatusTip, QStringLiteral("TyreType%1").arg(row + 1));
    ui->frameTyreTypes->layout()->addWidget(tyre);
    for (QWidget* widget :
         {static_cast<QWidget*>(maxDistance), static_cast<QWidget*>(minDistance),
          static_cast<QWidget*>(weight), static_cast<QWidget*>(box), static_cast<QWidget*>(tyre)})
        widget->show();

    padAxleLists(subclass, row, row + 1);
    showAxleRowValues(subclass, row);
    validateAxleRow(subclass, row);
    refreshAxleSums(subclass);
}

void Vorlan::showAxleRow(Subclass& subclass, int row)
{
    padAxleLists(subclass, row, row + 1);
    QWidget* maxDistance = widgetAt(ui->frameMaxAxleDists, row);
    if (maxDistance && !maxDistance->isHidden())
        return;
    for (QWidget* widget :
         {maxDistance, widgetAt(ui->frameMinAxleDists, row),
          widgetAt(ui->frameMaxAxleWeightsEdits, row + 1),
          widgetAt(ui->frameMaxAxleWeightsBoxes, row + 1), widgetAt(ui->frameTyreTypes, row + 1)})
        if (widget)
            widget->show();
    // A row comes back showing what the record holds for it, which is nothing when the row
    // was hidden by a smaller axle count of the same subclass.
    showAxleRowValues(subclass, row);
    validateAxleRow(subclass, row);
    refreshAxleSums(subclass);
}

void Vorlan::hideAxleRow(Subclass& subclass, int row)
{
    hideLineEdit(widgetAt(ui->frameMaxAxleDists, row));
    hideLineEdit(widgetAt(ui->frameMinAxleDists, row));
    hideLineEdit(widgetAt(ui->frameMaxAxleWeightsEdits, row + 1));
    hideCheckBox(widgetAt(ui->frameMaxAxleWeightsBoxes, row + 1));
    hideLineEdit(widgetAt(ui->frameTyreTypes, row + 1));

    // The record keeps nothing of a hidden row: what it kept would be saved unseen, and would
    // be back, still unseen, when the row is shown again.
    const bool held = subclass.max_distance_count() >= row ||
                      subclass.min_distance_count() >= row ||
                      subclass.max_axle_weight_count() > row || subclass.tyre_type_count() > row;
    if (!held) {
        qWarning() << "Trying to hide and clear lineEdit with index" << row
                   << "while there are only" << subclass.max_distance_count();
        return;
    }
    qDebug() << "Removing elements from arrays from index" << row;
    qDebug() << "min:" << subclass.min_distance_count() << "max:" << subclass.max_distance_count()
             << "weight:" << subclass.max_axle_weight_count()
             << "tyres:" << subclass.tyre_type_count();
    while (subclass.min_distance_count() >= row)
        subclass.remove_last_min_distance();
    while (subclass.max_distance_count() >= row)
        subclass.remove_last_max_distance();
    while (subclass.max_axle_weight_count() > row)
        subclass.remove_last_max_axle_weight();
    while (subclass.tyre_type_count() > row)
        subclass.remove_last_tyre_type();
    refreshAxleSums(subclass);
}

void Vorlan::showAxleRowValues(const Subclass& subclass, int row)
{
    if (row > 0) {
        setConvertedText(lineEditAt(ui->frameMaxAxleDists, row),
                         entryAt(subclass.get_max_distances(), row - 1), UnitKind::length, true);
        setConvertedText(lineEditAt(ui->frameMinAxleDists, row),
                         entryAt(subclass.get_min_distances(), row - 1), UnitKind::length, true);
    }
    setConvertedText(lineEditAt(ui->frameMaxAxleWeightsEdits, row + 1),
                     entryAt(subclass.get_max_axle_weights(), row), UnitKind::weight, true);
    if (QLineEdit* tyre = lineEditAt(ui->frameTyreTypes, row + 1))
        tyre->setText(entryAt(subclass.get_tyre_types(), row));
}

void Vorlan::validateAxleRow(const Subclass& subclass, int row)
{
    const QString headerMin = conf.get_min_axle_distance__m();
    const QString headerMax = conf.get_max_axle_distance__m();
    const int gap = row - 1;
    if (row > 0) {
        const bool gapHeld =
            gap < subclass.max_distance_count() && gap < subclass.min_distance_count();
        validateEdit(lineEditAt(ui->frameMaxAxleDists, row),
                     gapHeld && subclass.is_max_distance_valid(gap, headerMin, headerMax),
                     maxDistanceToolTip);
        validateEdit(lineEditAt(ui->frameMinAxleDists, row),
                     gapHeld && subclass.is_min_distance_valid(gap, headerMin, headerMax),
                     minDistanceToolTip);
    }
    validateEdit(lineEditAt(ui->frameMaxAxleWeightsEdits, row + 1),
                 row < subclass.max_axle_weight_count() && subclass.is_max_axle_weight_valid(row),
                 QString());
    validateEdit(lineEditAt(ui->frameTyreTypes, row + 1),
                 row < subclass.tyre_type_count() && subclass.is_tyre_type_valid(row),
                 tyreTypeToolTip);
}

void Vorlan::refreshAxleSums(const Subclass& subclass)
{
    ui->labelSumMaxAxleDist->setText(
        units.sumLabelText(subclass.sum_max_distances(), UnitKind::length));
    ui->labelSumMinAxleDist->setText(
        units.sumLabelText(subclass.sum_min_distances(), UnitKind::length));
    ui->labelSumMaxAxleWeights->setText(
        units.sumLabelText(subclass.sum_max_axle_weights(), UnitKind::weight));
}

void Vorlan::padAxleLists(Subclass& subclass, int gaps, int axles)
{
    while (subclass.min_distance_count() < gaps)
        subclass.set_min_distance_at_index(QString(), subclass.min_distance_count());
    while (subclass.max_distance_count() < gaps)
        subclass.set_max_distance_at_index(QString(), subclass.max_distance_count());
    while (subclass.max_axle_weight_count() < axles)
        subclass.set_max_axle_weight_at_index(QString(), subclass.max_axle_weight_count());
    while (subclass.tyre_type_count() < axles)
        subclass.set_tyre_type_at_index(QString(), subclass.tyre_type_count());
}

void Vorlan::applyAxleConfiguration(Subclass& subclass)
{
    subclass.set_axle_configuration(ui->lineEditConfString->text());
    validateEdit(ui->lineEditConfString, subclass.is_axle_configuration_valid(),
                 axleConfigurationToolTip);
    drawVehiclePicture(subclass);
}

QString Vorlan::reclassifyTargetAxles(const QString& target, bool typed) const
{
    const quint32 number = target.toUInt();
    if (typed ? target.isEmpty() : number == 0)
        return QString();
    return conf.has_subclass(number) ? conf.get_subclass(number).get_number_of_axles()
                                     : QStringLiteral("0");
}

void Vorlan::validateReclassifyTargets(const Subclass& subclass)
{
    validateEdit(ui->lineEditReclassUpTo,
                 subclass.is_reclassify_up_valid(
                     reclassifyTargetAxles(ui->lineEditReclassUpTo->text(), false)),
                 reclassifyToolTip);
    validateEdit(ui->lineEditReclassDownTo,
                 subclass.is_reclassify_down_valid(
                     reclassifyTargetAxles(ui->lineEditReclassDownTo->text(), false)),
                 reclassifyToolTip);
}
