// Writing the selected subclass into every field of the panel.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QRegExp>

namespace {

QString entryAt(const QStringList& list, int index)
{
    return index >= 0 && index < list.size() ? list.at(index) : QString();
}

} // namespace

void Vorlan::showSubclass(const QString& itemText)
{
    if (ui->comboBoxSubclasses->count() == 0)
        return;

    QRegExp digits(QStringLiteral("\\d+"));
    const QString number = digits.indexIn(itemText) >= 0 ? digits.cap(0) : QString();
    ui->lineEditSubclass->setText(number);
    ui->labelSubclassLarge->setText(number);

    const quint32 subclassNumber = ui->lineEditSubclass->text().toUInt();
    if (!conf.has_subclass(subclassNumber))
        return;
    Subclass& subclass = conf.get_subclass(subclassNumber);

    ui->lineEditOverrideClass->setText(subclass.get_override_class());
    validateEdit(ui->lineEditOverrideClass, true, QString());
    ui->lineEditOverrideGroups->setText(subclass.get_override_groups());
    validateEdit(ui->lineEditOverrideGroups, true, QString());
    ui->lineEditAlias->setText(subclass.get_alias());
    validateEdit(ui->lineEditAlias, true, QString());
    ui->lineEditCategory->setText(subclass.get_category());
    validateEdit(ui->lineEditCategory, subclass.is_category_valid(), QString());
    ui->lineEditConfString->setText(subclass.get_axle_configuration());
    validateEdit(ui->lineEditConfString, subclass.is_axle_configuration_valid(),
                 axleConfigurationToolTip);
    // Lays out the per-axle editors for this subclass's axle count, also when the count reads
    // the same as the one shown before, whose editors may have been laid out for another.
    const QString count = subclass.get_number_of_axles();
    if (ui->lineEditNumOfAxles->text() == count)
        on_lineEditNumOfAxles_textChanged(count);
    else
        ui->lineEditNumOfAxles->setText(count);
    validateEdit(ui->lineEditNumOfAxles, subclass.is_number_of_axles_valid(), numberOfAxlesToolTip);
    setConvertedText(ui->lineEditMaxGrossWeight, subclass.get_max_GVW__kN(), UnitKind::weight,
                     subclass.is_max_GVW_valid());
    setConvertedText(ui->lineEditPrepend, subclass.get_prepend__m(), UnitKind::length, true);
    setConvertedText(ui->lineEditAppend, subclass.get_append__m(), UnitKind::length, true);

    // Without a valid axle count there are no per-axle editors and nothing to draw; the
    // other fields still show this subclass, never the one shown before.
    const int axles = ui->lineEditNumOfAxles->text().toInt();
    const bool drawable = axles >= 2 && !isShownInvalid(ui->lineEditNumOfAxles);
    if (drawable) {
        const QString headerMin = conf.get_min_axle_distance__m();
        const QString headerMax = conf.get_max_axle_distance__m();
        for (int i = 0; i < axles; ++i) {
            if (i < axles - 1) {
                const bool held =
                    i < subclass.max_distance_count() && i < subclass.min_distance_count();
                setConvertedText(lineEditAt(ui->frameMaxAxleDists, i + 1),
                                 entryAt(subclass.get_max_distances(), i), UnitKind::length,
                                 held && subclass.is_max_distance_valid(i, headerMin, headerMax));
                setConvertedText(lineEditAt(ui->frameMinAxleDists, i + 1),
                                 entryAt(subclass.get_min_distances(), i), UnitKind::length,
                                 held && subclass.is_min_distance_valid(i, headerMin, headerMax));
            }
            setConvertedText(lineEditAt(ui->frameMaxAxleWeightsEdits, i + 1),
                             entryAt(subclass.get_max_axle_weights(), i), UnitKind::weight,
                             i < subclass.max_axle_weight_count() &&
                                 subclass.is_max_axle_weight_valid(i));
            if (auto* box = qobject_cast<QCheckBox*>(widgetAt(ui->frameMaxAxleWeightsBoxes, i + 1)))
                box->setChecked(false);
            if (QLineEdit* tyre = lineEditAt(ui->frameTyreTypes, i + 1)) {
                tyre->setText(entryAt(subclass.get_tyre_types(), i));
                validateEdit(tyre, i < subclass.tyre_type_count() && subclass.is_tyre_type_valid(i),
                             tyreTypeToolTip);
            }
        }
    } else {
        hideAllAxleRows();
    }

    showSubclassConstraints(subclass);

    setConvertedText(ui->lineEditReclassUpGvw, subclass.get_upper_GVW_limit__kN(), UnitKind::weight,
                     true);
    ui->lineEditReclassUpTo->setText(subclass.get_reclassify_up_to_subclass());
    setConvertedText(ui->lineEditReclassDownGvw, subclass.get_lower_GVW_limit__kN(),
                     UnitKind::weight, true);
    ui->lineEditReclassDownTo->setText(subclass.get_reclassify_down_to_subclass());
    validateReclassifyTargets(subclass);

    if (drawable)
        drawVehiclePicture(subclass);
    else
        clearVehiclePicture();
}
