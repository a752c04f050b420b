#include "ui/subclassfields.h"

#include "model/conf.h"
#include "model/finitereal.h"
#include "ui/fieldcolours.h"
#include "ui/windowtext.h"
#include "ui_vorlan.h"
#include "units/displayunits.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <array>

namespace SubclassFields {

namespace {

using UnitKind = DisplayUnits::Kind;

// Each shows its value in displayed units and is judged by whether the file could hold it, the
// gross weight also by its own rule.
struct UnitField
{
    QLineEdit* edit;
    QLabel* caption; // with the unit's suffix
    QString (Subclass::*value)() const;
    void (Subclass::*store)(const QString&);
    UnitKind kind;
};

std::array<UnitField, 5> unitFields(const Ui::Vorlan& ui)
{
    return {{{ui.lineEditMaxGrossWeight, ui.labelMaxGrossWeight, &Subclass::get_max_GVW__kN,
              &Subclass::set_max_GVW__kN, UnitKind::weight},
             {ui.lineEditPrepend, ui.labelPrepend, &Subclass::get_prepend__m,
              &Subclass::set_prepend__m, UnitKind::length},
             {ui.lineEditAppend, ui.labelAppend, &Subclass::get_append__m, &Subclass::set_append__m,
              UnitKind::length},
             {ui.lineEditReclassUpGvw, ui.labelReclassUpGvw, &Subclass::get_upper_GVW_limit__kN,
              &Subclass::set_upper_GVW_limit__kN, UnitKind::weight},
             {ui.lineEditReclassDownGvw, ui.labelReclassDownGvw, &Subclass::get_lower_GVW_limit__kN,
              &Subclass::set_lower_GVW_limit__kN, UnitKind::weight}}};
}

void judgeUnitField(const UnitField& field, const Subclass& subclass, const Ui::Vorlan& ui)
{
    if (field.edit == ui.lineEditMaxGrossWeight)
        validateEdit(field.edit, subclass.is_max_GVW_valid(), QString());
    else
        validateEdit(field.edit, is_finite_real((subclass.*field.value)()),
                     windowText("Value must be a finite number."));
}

} // namespace

void showUnitFields(const Ui::Vorlan& form, const DisplayUnits& units, const Subclass& subclass)
{
    for (const UnitField& field : unitFields(form)) {
        field.edit->setText(units.toDisplayedText((subclass.*field.value)(), field.kind));
        judgeUnitField(field, subclass, form);
    }
}

void redisplayUnits(const Ui::Vorlan& form, const DisplayUnits& units, const Subclass* subclass)
{
    for (const UnitField& field : unitFields(form))
        field.caption->setText(
            DisplayUnits::withSuffix(field.caption->text(), units.suffix(field.kind)));
    // Left in the old unit, a value retyped would be stored in the new one.
    if (subclass)
        showUnitFields(form, units, *subclass);
}

bool storeUnitField(const Ui::Vorlan& form, const DisplayUnits& units, Subclass& subclass,
                    const QObject* edit, const QString& text)
{
    const auto fields = unitFields(form);
    const auto field = std::find_if(fields.begin(), fields.end(),
                                    [edit](const UnitField& f) { return f.edit == edit; });
    if (field == fields.end())
        return false;
    (subclass.*field->store)(units.toFileText(text, field->kind));
    judgeUnitField(*field, subclass, form);
    return true;
}

void judgeReclassifyTarget(const Ui::Vorlan& form, const Conf& conf, const Subclass& subclass,
                           QLineEdit* target, bool typed)
{
    // The target's axle count, compared with the subclass's own; none without a target.
    const QString text = target->text();
    const quint32 number = text.toUInt();
    QString axles;
    if (typed ? !text.isEmpty() : number != 0)
        axles = conf.has_subclass(number) ? conf.get_subclass(number).get_number_of_axles()
                                          : QStringLiteral("0");
    const bool valid = target == form.lineEditReclassUpTo
                           ? subclass.is_reclassify_up_valid(axles)
                           : subclass.is_reclassify_down_valid(axles);
    validateEdit(target, valid,
                 windowText("Subclass must exist and have the same number of axles as current."));
}

} // namespace SubclassFields
