// Adopting a new choice of displayed units and showing every value of the window in it again.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

#include <QLabel>
#include <QLineEdit>

#include <utility>

namespace {

QString entryAt(const QStringList& list, int index)
{
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

} // namespace

void Vorlan::receiveUnits(unsigned char weight, unsigned char length, float g)
{
    units.setUnits(weight, length, g);
    // With tonnes the button names the g in use, which is not the one received when that one
    // was refused; the other units send no g and the button reads 0.
    const float shownG = weight == 0 ? units.weightFactor() : g;
    ui->buttonGConstant->setText(QString::number(double(shownG), 'g', 6));
    redisplayUnits();
}

void Vorlan::redisplayUnits()
{
    const QString weightSuffix = units.suffix(UnitKind::weight);
    const QString lengthSuffix = units.suffix(UnitKind::length);
    // A g that the header already holds is replaced even by the standard one: otherwise the
    // file would keep a g that the user has just changed away from.
    if (units.weightUnit() == 0 && (units.weightFactor() != DisplayUnits::standardGravity ||
                                    !conf.get_g_acceleration_constant().isEmpty()))
        conf.set_g_acceleration_constant(QString::number(double(units.weightFactor()), 'g', 6));

    using HeaderValue = QString (Conf::*)() const;
    struct HeaderRow
    {
        QLabel* label;
        QLineEdit* edit;
        HeaderValue value;
        UnitKind kind;
    };
    const HeaderRow headerRows[] = {
        {ui->labelGroupMaxDist, ui->lineEditGroupMaxDist, &Conf::get_group_max_distance__m,
         UnitKind::length},
        {ui->labelMinAxleSpacing, ui->lineEditMinAxleSpacing, &Conf::get_min_2axle_truck_spacing__m,
         UnitKind::length},
        {ui->labelMinAvgAxleWeight, ui->lineEditMinAvgAxleWeight,
         &Conf::get_min_avg_axle_weight__kN, UnitKind::weight},
        {ui->labelMaxAxleDist, ui->lineEditMaxAxleDist, &Conf::get_max_axle_distance__m,
         UnitKind::length},
        {ui->labelMinAxleDist, ui->lineEditMinAxleDist, &Conf::get_min_axle_distance__m,
         UnitKind::length},
    };
    for (const HeaderRow& row : headerRows) {
        setUnitSuffix(row.label, row.kind == UnitKind::weight ? weightSuffix : lengthSuffix);
        setConvertedText(row.edit, (conf.*row.value)(), row.kind, true);
    }

    // Also the captions of the reclassification limits and of the combined weight limits, whose
    // values are weights as well.
    for (QLabel* label : {ui->labelPrepend, ui->labelAppend, ui->labelMaxAxleDists,
                          ui->labelMinAxleDists, ui->labelTotalDistanceConstraint, ui->labelAdsl})
        setUnitSuffix(label, lengthSuffix);
    for (QLabel* label :
         {ui->labelMaxGrossWeight, ui->labelMaxAxleWeightsEdits, ui->labelTotalWeightConstraint,
          ui->labelAwsl, ui->labelCombinedWeightConstraints, ui->labelReclassUpGvw,
          ui->labelReclassDownGvw})
        setUnitSuffix(label, weightSuffix);

    const quint32 number = ui->lineEditSubclass->text().toUInt();
    if (ui->lineEditSubclass->text().isEmpty() || !conf.has_subclass(number))
        return;
    const Subclass& subclass = conf.get_subclass(number);

    setConvertedText(ui->lineEditPrepend, subclass.get_prepend__m(), UnitKind::length, true);
    setConvertedText(ui->lineEditAppend, subclass.get_append__m(), UnitKind::length, true);
    setConvertedText(ui->lineEditMaxGrossWeight, subclass.get_max_GVW__kN(), UnitKind::weight,
                     true);
    // Left in the old unit, a reclassification limit retyped would be stored in the new one.
    setConvertedText(ui->lineEditReclassUpGvw, subclass.get_upper_GVW_limit__kN(), UnitKind::weight,
                     true);
    setConvertedText(ui->lineEditReclassDownGvw, subclass.get_lower_GVW_limit__kN(),
                     UnitKind::weight, true);

    // A count shown invalid has no per-axle editors laid out for it.
    const int axles = ui->lineEditNumOfAxles->text().toInt();
    if (!isShownInvalid(ui->lineEditNumOfAxles)) {
        for (int i = 1; i <= axles; ++i) {
            if (i != axles) {
                setConvertedText(lineEditAt(ui->frameMaxAxleDists, i),
                                 entryAt(subclass.get_max_distances(), i - 1), UnitKind::length,
                                 true);
                setConvertedText(lineEditAt(ui->frameMinAxleDists, i),
                                 entryAt(subclass.get_min_distances(), i - 1), UnitKind::length,
                                 true);
            }
            setConvertedText(lineEditAt(ui->frameMaxAxleWeightsEdits, i),
                             entryAt(subclass.get_max_axle_weights(), i - 1), UnitKind::weight,
                             true);
        }
    }
    ui->labelSumMinAxleDist->setText(formatSum(subclass.sum_min_distances(), UnitKind::length));
    ui->labelSumMaxAxleDist->setText(formatSum(subclass.sum_max_distances(), UnitKind::length));
    ui->labelSumMaxAxleWeights->setText(
        formatSum(subclass.sum_max_axle_weights(), UnitKind::weight));

    showConstraint(ui->lineEditTotalDistanceConstraint, subclass.get_adsl_0(), true,
                   QStringLiteral("adsl_0"));
    showConstraint(ui->lineEditTotalWeightConstraint, subclass.get_awsl_0(), true,
                   QStringLiteral("awsl_0"));
    const std::pair<const char*, QFrame*> constraintFrames[] = {
        {"default", ui->frameCombinedWeightConstraints},
        {"adsl", ui->frameAdsl},
        {"awsl", ui->frameAwsl},
    };
    for (const auto& [kindText, frame] : constraintFrames) {
        const QString kind = QLatin1String(kindText);
        for (int position = 1; position <= subclass.get_constraint_count(kind); ++position) {
            if (QLineEdit* edit = lineEditAt(frame, position))
                showConstraint(edit, subclass.get_constraint(position - 1, kind), true, kind);
        }
    }
}
