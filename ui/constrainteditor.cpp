// Combined axle constraints: adding them over the ticked axles, changing and removing them, and
// editing the two whole-vehicle totals.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

#include <QCheckBox>
#include <QDebug>
#include <QLayout>
#include <QLineEdit>
#include <QMessageBox>

Vorlan::ConstraintFrame Vorlan::constraintFrame(const QString& kind)
{
    if (kind == QLatin1String("adsl"))
        return {kind, ui->frameAdsl, &adslConstraintEditCount, constraintFormatToolTip};
    if (kind == QLatin1String("awsl"))
        return {kind, ui->frameAwsl, &awslConstraintEditCount, constraintFormatToolTip};
    return {QStringLiteral("default"), ui->frameCombinedWeightConstraints,
            &defaultConstraintEditCount, combinedWeightToolTip};
}

Vorlan::ConstraintFrame Vorlan::constraintFrame(const QFrame* frame)
{
    return constraintFrame(frame == ui->frameAdsl   ? QStringLiteral("adsl")
                           : frame == ui->frameAwsl ? QStringLiteral("awsl")
                                                    : QStringLiteral("default"));
}

void Vorlan::on_comboBoxAddConstraint_currentTextChanged(const QString& selected_constraint)
{
    const bool distance = selected_constraint == constraintKinds[1];
    if (distance || selected_constraint == constraintKinds[2]) {
        currentConstraintFrame = distance ? ui->frameAdsl : ui->frameAwsl;
        hideLineEdit(ui->lineEditAddConstraint);
        ui->lineEditAddLowerConstraint->show();
        ui->lineEditAddUpperConstraint->show();
    } else {
        currentConstraintFrame = ui->frameCombinedWeightConstraints;
        ui->lineEditAddConstraint->show();
        hideLineEdit(ui->lineEditAddLowerConstraint);
        hideLineEdit(ui->lineEditAddUpperConstraint);
    }
}

void Vorlan::refuseNewConstraint(const QString& message)
{
    QMessageBox::information(this, tr("Cannot add a new constraint"), message);
}

QString Vorlan::weightLimitToFile(const QString& weight) const
{
    // Converting a text that is no number would store a limit of 0, shown valid.
    bool number = false;
    weight.toFloat(&number);
    return number || weight.isEmpty() ? toFileText(weight, UnitKind::weight) : weight;
}

QString Vorlan::newConstraintValue(const QString& axles, QString& kind)
{
    const QString choice = ui->comboBoxAddConstraint->currentText();
    const QString lower = ui->lineEditAddLowerConstraint->text();
    const QString upper = ui->lineEditAddUpperConstraint->text();
    if (choice == constraintKinds[1]) {
        if (!isValidFloat(lower) || !isValidFloat(upper)) {
            refuseNewConstraint(
                tr("Upper and lower text boxes must contain a constraint (float)."));
            return QString();
        }
        kind = QStringLiteral("adsl");
        return axles + QLatin1Char(':') + toFileText(lower, UnitKind::length) + QLatin1Char(',') +
               toFileText(upper, UnitKind::length);
    }
    if (choice == constraintKinds[2]) {
        const QStringList low = lower.split(QLatin1Char(','));
        const QStringList high = upper.split(QLatin1Char(','));
        if (low.size() != 2 || high.size() != 2 || !isValidFloat(low.at(0)) ||
            !isValidInt(low.at(1)) || !isValidFloat(high.at(0)) || !isValidInt(high.at(1))) {
            refuseNewConstraint(tr("Upper and lower text boxes must contain constraint (float) and "
                                   "class (int) separated with a comma."));
            return QString();
        }
        kind = QStringLiteral("awsl");
        return axles + QLatin1Char(':') + toFileText(low.at(0), UnitKind::weight) +
               QLatin1Char(',') + low.at(1) + QLatin1Char(';') +
               toFileText(high.at(0), UnitKind::weight) + QLatin1Char(',') + high.at(1);
    }
    // The value is not judged here: a bad one is stored and shown red.
    kind = QStringLiteral("default");
    return axles + QLatin1Char(',') + weightLimitToFile(ui->lineEditAddConstraint->text());
}

void Vorlan::on_buttonAddConstraint_clicked()
{
    // A red subclass number names no subclass to add to.
    const quint32 number = ui->lineEditSubclass->text().toUInt();
    if (isShownInvalid(ui->lineEditSubclass) || !conf.has_subclass(number)) {
        qDebug() << "No subclass to add a constraint to:" << ui->lineEditSubclass->text();
        return;
    }

    // The box at layout position p belongs to axle p.
    QString axles;
    int ticked = 0;
    QList<QCheckBox*> boxes;
    for (int position = 1; position < ui->frameMaxAxleWeightsBoxes->layout()->count(); ++position) {
        auto* box = qobject_cast<QCheckBox*>(widgetAt(ui->frameMaxAxleWeightsBoxes, position));
        if (!box)
            continue;
        boxes << box;
        if (box->isChecked()) {
            axles += QString::number(position) + QLatin1Char('+');
            ++ticked;
        }
    }
    if (axles.isEmpty() || ticked < 2 || ui->comboBoxAddConstraint->currentIndex() < 0) {
        refuseNewConstraint(tr("Make sure you have at least two checkboxes selected and there is "
                               "a viable value in the adjacent field."));
        return;
    }
    axles.chop(1);

    QString kind;
    const QString value = newConstraintValue(axles, kind);
    if (value.isEmpty())
        return;
    Subclass& subclass = conf.get_subclass(number);
    subclass.set_constraint(value, -1, kind);
    const int count = subclass.get_constraint_count(kind);

    // A line edit hidden since a subclass with fewer constraints was shown is used again.
    const ConstraintFrame shown = constraintFrame(kind);
    QLineEdit* edit = nullptr;
    if (shown.frame->layout()->count() > count) {
        edit = lineEditAt(shown.frame, count);
    } else {
        edit = new QLineEdit(this);
        setupConstraintEdit(edit, constraintStatusTip, QStringLiteral("Constraint%1").arg(count),
                            kind);
        ++*shown.editCount;
        shown.frame->layout()->addWidget(edit);
    }
    if (edit) {
        showConstraint(edit, subclass.get_constraint(count - 1, kind),
                       subclass.is_constraint_valid(count - 1, kind), kind);
        edit->show();
    }
    for (QCheckBox* box : boxes)
        box->setChecked(false);
    // A constraint added red makes the subclass invalid, and the list says so.
    updateInvalidEntry(subclass);
}

void Vorlan::applyConstraintEdit(QLineEdit* edit, QFrame* frame, int index, const QString& text)
{
    Subclass& subclass = conf.get_subclass(ui->lineEditSubclass->text().toUInt());
    const ConstraintFrame shown = constraintFrame(frame);
    const QString& kind = shown.kind;
    if (!text.isEmpty()) {
        QString stored;
        if (kind == QLatin1String("default")) {
            const QStringList parts = text.split(QLatin1Char(','));
            const QString weight = parts.size() == 2 ? weightLimitToFile(parts.at(1)) : QString();
            stored = weight.isEmpty() ? text : parts.at(0) + QLatin1Char(',') + weight;
        } else {
            stored = kind == QLatin1String("adsl")
                         ? convertCombinedDistance(text, Direction::toFile)
                         : convertCombinedWeight(text, Direction::toFile);
            if (stored.isEmpty())
                stored = text;
        }
        subclass.set_constraint(stored, index, kind);
        validateEdit(edit, subclass.is_constraint_valid(index, kind), shown.toolTip);
        return;
    }

    // An emptied line edit removes its constraint; the ones after it move up on screen as they
    // have in the list, and the last one shown goes.
    subclass.delete_constraint(index, kind);
    QLineEdit* current = edit;
    for (int i = index;; ++i) {
        auto* next = qobject_cast<QLineEdit*>(widgetAt(frame, i + 2));
        if (!next || next->isHidden())
            break;
        current->setText(next->text());
        validateEdit(current, subclass.is_constraint_valid(i, kind), QString());
        current = next;
    }
    current->hide();
}

void Vorlan::applyTotalConstraint(QLineEdit* field, const QString& text)
{
    Subclass& subclass = conf.get_subclass(ui->lineEditSubclass->text().toUInt());
    if (field == ui->lineEditTotalDistanceConstraint) {
        const QString converted = convertTotalDistance(text, Direction::toFile);
        subclass.set_adsl_0(converted.isEmpty() ? text : converted);
        validateEdit(field, subclass.is_adsl_0_valid(), constraintFormatToolTip);
    } else if (field == ui->lineEditTotalWeightConstraint) {
        const QString converted = convertTotalWeight(text, Direction::toFile);
        subclass.set_awsl_0(converted.isEmpty() ? text : converted);
        validateEdit(field, subclass.is_awsl_0_valid(), constraintFormatToolTip);
    }
}
