// Writing the user's edits of subclass fields back into the configuration.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

#include <QDebug>
#include <QLayout>
#include <QLineEdit>

void Vorlan::textChanged(const QString& text)
{
    qDebug().noquote() << "Text Changed: " + text;
    // A red subclass number names no subclass: the edit has nowhere to go.
    const quint32 number = ui->lineEditSubclass->text().toUInt();
    if (isShownInvalid(ui->lineEditSubclass) || !conf.has_subclass(number))
        return;
    Subclass& subclass = conf.get_subclass(number);

    QObject* source = sender();
    if (source == ui->lineEditOverrideClass) {
        subclass.set_override_class(text);
    } else if (source == ui->lineEditOverrideGroups) {
        subclass.set_override_groups(text);
    } else if (source == ui->lineEditAlias) {
        subclass.set_alias(text);
    } else if (source == ui->lineEditCategory) {
        subclass.set_category(text);
        validateEdit(ui->lineEditCategory, subclass.is_category_valid(), QString());
    } else if (source == ui->lineEditMaxGrossWeight) {
        subclass.set_max_GVW__kN(toFileText(text, UnitKind::weight));
        validateEdit(ui->lineEditMaxGrossWeight, subclass.is_max_GVW_valid(), QString());
    } else if (source == ui->lineEditConfString) {
        subclass.set_axle_configuration(text);
        validateEdit(ui->lineEditConfString, subclass.is_axle_configuration_valid(),
                     axleConfigurationToolTip);
        drawVehiclePicture(subclass);
    } else if (source == ui->lineEditPrepend) {
        subclass.set_prepend__m(toFileText(text, UnitKind::length));
    } else if (source == ui->lineEditAppend) {
        subclass.set_append__m(toFileText(text, UnitKind::length));
    } else if (source == ui->lineEditReclassUpGvw) {
        subclass.set_upper_GVW_limit__kN(toFileText(text, UnitKind::weight));
    } else if (source == ui->lineEditReclassUpTo) {
        subclass.set_reclassify_up_to_subclass(text);
        validateEdit(ui->lineEditReclassUpTo,
                     subclass.is_reclassify_up_valid(reclassifyTargetAxles(text, true)),
                     reclassifyToolTip);
    } else if (source == ui->lineEditReclassDownGvw) {
        subclass.set_lower_GVW_limit__kN(toFileText(text, UnitKind::weight));
    } else if (source == ui->lineEditReclassDownTo) {
        subclass.set_reclassify_down_to_subclass(text);
        validateEdit(ui->lineEditReclassDownTo,
                     subclass.is_reclassify_down_valid(reclassifyTargetAxles(text, true)),
                     reclassifyToolTip);
    } else if (source == ui->lineEditTotalDistanceConstraint ||
               source == ui->lineEditTotalWeightConstraint) {
        applyTotalConstraint(qobject_cast<QLineEdit*>(source), text);
    } else {
        applyRunTimeEdit(subclass, source, text);
        return;
    }
    updateInvalidEntry(subclass);
}

void Vorlan::applyRunTimeEdit(Subclass& subclass, QObject* source, const QString& text)
{
    auto* edit = qobject_cast<QLineEdit*>(source);
    if (!edit) {
        qWarning().noquote() << "Sender is not a lineEdit"
                             << (source ? source->objectName() : QString());
        return;
    }
    auto* frame = qobject_cast<QFrame*>(edit->parentWidget());
    const int index = frame && frame->layout() ? frame->layout()->indexOf(edit) - 1 : -1;
    if (index < 0) {
        qWarning() << "Index of dynamically set lineEdit can't be below 1!";
        return;
    }

    const QString headerMin = conf.get_min_axle_distance__m();
    const QString headerMax = conf.get_max_axle_distance__m();
    if (frame == ui->frameMaxAxleDists || frame == ui->frameMinAxleDists) {
        // Both lists hold the gap, so its two edits are judged against each other.
        padAxleLists(subclass, index + 1, 0);
        const QString value = editToFileText(edit, UnitKind::length);
        if (frame == ui->frameMaxAxleDists)
            subclass.set_max_distance_at_index(value, index);
        else
            subclass.set_min_distance_at_index(value, index);
        validateEdit(lineEditAt(ui->frameMaxAxleDists, index + 1),
                     subclass.is_max_distance_valid(index, headerMin, headerMax),
                     maxDistanceToolTip);
        validateEdit(lineEditAt(ui->frameMinAxleDists, index + 1),
                     subclass.is_min_distance_valid(index, headerMin, headerMax),
                     minDistanceToolTip);
    } else if (frame == ui->frameMaxAxleWeightsEdits) {
        padAxleLists(subclass, 0, index + 1);
        subclass.set_max_axle_weight_at_index(editToFileText(edit, UnitKind::weight), index);
        validateEdit(edit, subclass.is_max_axle_weight_valid(index), QString());
    } else if (frame == ui->frameTyreTypes) {
        padAxleLists(subclass, 0, index + 1);
        subclass.set_tyre_type_at_index(text, index);
        validateEdit(edit, subclass.is_tyre_type_valid(index), tyreTypeToolTip);
    } else if (frame == ui->frameCombinedWeightConstraints || frame == ui->frameAdsl ||
               frame == ui->frameAwsl) {
        applyConstraintEdit(edit, frame, index, text);
    } else {
        qWarning() << "Layout not found!";
    }
    refreshAxleSums(subclass);
    drawVehiclePicture(subclass);
    updateInvalidEntry(subclass);
}
