// The combined axle constraints: showing them, judging them and making new ones.
#include "ui/constraintpanel.h"

#include "model/subclass.h"
#include "ui/fieldcolours.h"
#include "ui/framecells.h"
#include "ui/numberfields.h"
#include "ui/windowtext.h"
#include "ui_vorlan.h"
#include "units/constrainttexts.h"

#include <QDebug>
#include <QLineEdit>
#include <QMessageBox>

namespace {

QString constraintStatusTip()
{
    return windowText("To remove constraint, delete the text.");
}
QString weightLimitToolTip()
{
    return windowText("Proper format is {a1+a2+...an,c} where a are axles and c is a real value "
                      "representing maximum combined weight.");
}
QString formatToolTip()
{
    return windowText("Consult Korvat refman for proper format");
}

QString toolTipOf(const QString& kind)
{
    return kind == QLatin1String("default") ? weightLimitToolTip() : formatToolTip();
}

} // namespace

ConstraintPanel::ConstraintPanel(Ui::Vorlan& form, const DisplayUnits& units,
                                 std::function<void(QLineEdit*)> wire)
    : units(units), wire(std::move(wire)),
      // The widest texts each kind shows, in pounds and inches.
      kinds{{{"default", form.frameCombinedWeightConstraints, "3+4+5,99999.99",
              form.buttonAddConstraint},
             {"adsl", form.frameAdsl, "3+4+5:999.9,999.9", form.lineEditTotalDistanceConstraint},
             {"awsl", form.frameAwsl, "3+4+5:99999.9,12;99999.9,14",
              form.lineEditTotalWeightConstraint}}},
      totalDistance(form.lineEditTotalDistanceConstraint),
      totalWeight(form.lineEditTotalWeightConstraint), kindChoice(form.comboBoxAddConstraint),
      addValue(form.lineEditAddConstraint), addLower(form.lineEditAddLowerConstraint),
      addUpper(form.lineEditAddUpperConstraint),
      totalDistanceCaption(form.labelTotalDistanceConstraint),
      totalWeightCaption(form.labelTotalWeightConstraint),
      combinedWeightCaption(form.labelCombinedWeightConstraints), distanceCaption(form.labelAdsl),
      weightCaption(form.labelAwsl)
{
    // Shown once a kind is chosen.
    for (QLineEdit* edit : {addValue, addLower, addUpper})
        edit->hide();
    NumberFields::acceptReals(addValue);
    NumberFields::fitWidth(addValue, QStringLiteral("99999.99"));
    for (QLineEdit* bound : {addLower, addUpper})
        NumberFields::fitWidth(bound, QStringLiteral("99999.9,14"));
    NumberFields::fitWidth(totalDistance, QStringLiteral("999.9,999.9"));
    NumberFields::fitWidth(totalWeight, QStringLiteral("99999.9,12;99999.9,14"));
}

const ConstraintPanel::Kind* ConstraintPanel::kindOf(const QString& text) const
{
    for (const Kind& kind : kinds)
        if (text == QLatin1String(kind.text))
            return &kind;
    return nullptr;
}

QLineEdit* ConstraintPanel::createEdit(const Kind& kind, const QString& objectName)
{
    auto* edit = new QLineEdit(kind.frame);
    NumberFields::fitWidth(edit, QLatin1String(kind.widest));
    edit->setStatusTip(constraintStatusTip());
    edit->setObjectName(objectName);
    FrameCells::append(kind.frame, edit);
    wire(edit);
    // Left to right, after what stands before them in their row.
    FrameCells::orderTabs(kind.tabsAfter, kind.frame);
    return edit;
}

void ConstraintPanel::showConstraint(QLineEdit* edit, const QString& value, bool valid,
                                     const QString& kind) const
{
    if (!edit)
        return;
    // A programmatic text change is no user edit: it does not reach the window's dispatcher.
    edit->setText(constraintToDisplay(kind, value, units));
    validateEdit(edit, valid, toolTipOf(kind));
}

void ConstraintPanel::showChosenKind()
{
    const bool bounds = kindChoice->currentIndex() > 0;
    addValue->setVisible(!bounds);
    addLower->setVisible(bounds);
    addUpper->setVisible(bounds);
    for (QLineEdit* unused : {addValue, addLower, addUpper})
        if (unused->isHidden())
            unused->clear();
}

void ConstraintPanel::refuse(const QString& message) const
{
    QMessageBox::information(kindChoice->window(), windowText("Cannot add a new constraint"),
                             message);
}

std::optional<ConstraintPanel::NewConstraint>
ConstraintPanel::newConstraint(const QList<int>& tickedAxles) const
{
    const int choice = kindChoice->currentIndex();
    if (tickedAxles.size() < 2 || choice < 0 || choice >= int(kinds.size())) {
        refuse(windowText("Make sure you have at least two checkboxes selected and there is a "
                          "viable value in the adjacent field."));
        return std::nullopt;
    }
    QStringList numbers;
    for (int axle : tickedAxles)
        numbers << QString::number(axle);
    const QString axles = numbers.join(QLatin1Char('+'));
    const QString kind = QLatin1String(kinds[choice].text);
    const QString lower = addLower->text();
    const QString upper = addUpper->text();

    if (kind == QLatin1String("adsl")) {
        if (!isValidFloat(lower) || !isValidFloat(upper)) {
            refuse(windowText("Upper and lower text boxes must contain a constraint (float)."));
            return std::nullopt;
        }
        return NewConstraint{
            kind, axles + QLatin1Char(':') + units.toFileText(lower, DisplayUnits::Kind::length) +
                      QLatin1Char(',') + units.toFileText(upper, DisplayUnits::Kind::length)};
    }
    if (kind == QLatin1String("awsl")) {
        const QStringList low = lower.split(QLatin1Char(','));
        const QStringList high = upper.split(QLatin1Char(','));
        if (low.size() != 2 || high.size() != 2 || !isValidFloat(low.at(0)) ||
            !isValidInt(low.at(1)) || !isValidFloat(high.at(0)) || !isValidInt(high.at(1))) {
            refuse(windowText("Upper and lower text boxes must contain constraint (float) and "
                              "class (int) separated with a comma."));
            return std::nullopt;
        }
        return NewConstraint{kind, axles + QLatin1Char(':') +
                                       units.toFileText(low.at(0), DisplayUnits::Kind::weight) +
                                       QLatin1Char(',') + low.at(1) + QLatin1Char(';') +
                                       units.toFileText(high.at(0), DisplayUnits::Kind::weight) +
                                       QLatin1Char(',') + high.at(1)};
    }
    // A weight limit is not judged here: a bad one is stored and shown red.
    return NewConstraint{kind,
                         axles + QLatin1Char(',') + weightLimitToFile(addValue->text(), units)};
}

void ConstraintPanel::showAdded(const Subclass& subclass, const QString& kindText)
{
    const Kind* kind = kindOf(kindText);
    const int count = subclass.get_constraint_count(kindText);
    if (!kind || count == 0)
        return;
    const int index = count - 1;
    // An edit hidden since a subclass with fewer constraints was shown is used again.
    QLineEdit* edit = FrameCells::lineEditAt(kind->frame, index);
    if (!edit)
        edit = createEdit(*kind, QStringLiteral("Constraint%1").arg(count));
    showConstraint(edit, subclass.get_constraint(index, kindText),
                   subclass.is_constraint_valid(index, kindText), kindText);
    edit->show();
}

void ConstraintPanel::show(const Subclass& subclass)
{
    showConstraint(totalDistance, subclass.get_adsl_0(), subclass.is_adsl_0_valid(),
                   QStringLiteral("adsl_0"));
    showConstraint(totalWeight, subclass.get_awsl_0(), subclass.is_awsl_0_valid(),
                   QStringLiteral("awsl_0"));

    for (const Kind& kind : kinds) {
        const QString text = QLatin1String(kind.text);
        const int edits = FrameCells::count(kind.frame);
        const int count = subclass.get_constraint_count(text);
        for (int index = edits; index < count; ++index)
            createEdit(kind, QStringLiteral("%1Constraint%2").arg(text).arg(index));
        for (int index = edits - 1; index >= count; --index)
            FrameCells::clearAndHide(FrameCells::at(kind.frame, index));
        for (int index = 0; index < count; ++index) {
            QLineEdit* edit = FrameCells::lineEditAt(kind.frame, index);
            showConstraint(edit, subclass.get_constraint(index, text),
                           subclass.is_constraint_valid(index, text), text);
            if (edit)
                edit->show();
        }
    }
}

void ConstraintPanel::clear()
{
    totalDistance->clear();
    totalWeight->clear();
    for (const Kind& kind : kinds)
        for (int index = 0; index < FrameCells::count(kind.frame); ++index)
            FrameCells::clearAndHide(FrameCells::at(kind.frame, index));
}

void ConstraintPanel::judge(const Subclass& subclass, const Entry& entry)
{
    if (entry.kind == QLatin1String("adsl_0")) {
        validateEdit(totalDistance, subclass.is_adsl_0_valid(), formatToolTip());
    } else if (entry.kind == QLatin1String("awsl_0")) {
        validateEdit(totalWeight, subclass.is_awsl_0_valid(), formatToolTip());
    } else if (const Kind* kind = kindOf(entry.kind)) {
        validateEdit(FrameCells::lineEditAt(kind->frame, entry.index),
                     subclass.is_constraint_valid(entry.index, entry.kind), toolTipOf(entry.kind));
    }
}

void ConstraintPanel::closeGap(const Subclass& subclass, const Entry& entry)
{
    const Kind* kind = kindOf(entry.kind);
    QLineEdit* current = kind ? FrameCells::lineEditAt(kind->frame, entry.index) : nullptr;
    if (!current)
        return;
    for (int index = entry.index;; ++index) {
        QLineEdit* next = FrameCells::lineEditAt(kind->frame, index + 1);
        if (!next || next->isHidden())
            break;
        current->setText(next->text());
        validateEdit(current, subclass.is_constraint_valid(index, entry.kind),
                     toolTipOf(entry.kind));
        current = next;
    }
    current->hide();
}

void ConstraintPanel::redisplayUnits(const Subclass* subclass)
{
    const QString length = units.suffix(DisplayUnits::Kind::length);
    const QString weight = units.suffix(DisplayUnits::Kind::weight);
    for (QLabel* caption : {totalDistanceCaption, distanceCaption})
        caption->setText(DisplayUnits::withSuffix(caption->text(), length));
    for (QLabel* caption : {totalWeightCaption, weightCaption, combinedWeightCaption})
        caption->setText(DisplayUnits::withSuffix(caption->text(), weight));
    if (subclass)
        show(*subclass);
}

std::optional<ConstraintPanel::Entry> ConstraintPanel::entryOf(const QObject* editor) const
{
    if (editor == totalDistance)
        return Entry{QStringLiteral("adsl_0"), 0};
    if (editor == totalWeight)
        return Entry{QStringLiteral("awsl_0"), 0};
    const auto* edit = qobject_cast<const QLineEdit*>(editor);
    if (!edit)
        return std::nullopt;
    for (const Kind& kind : kinds) {
        const int index = FrameCells::indexOf(kind.frame, edit);
        if (index >= 0)
            return Entry{QLatin1String(kind.text), index};
    }
    return std::nullopt;
}
