// Every change the user makes to the configuration: subclass fields, the axle count, constraints
// and the header.
#include "ui/vorlan.h"

#include "ui/axlerows.h"
#include "ui/constraintpanel.h"
#include "ui/edithistory.h"
#include "ui/fieldcolours.h"
#include "ui/subclassfields.h"
#include "ui/subclasslists.h"
#include "ui/undo/headeredit.h"
#include "ui/undo/subclassedit.h"
#include "ui/windowtext.h"
#include "ui_vorlan.h"
#include "units/constrainttexts.h"

#include <QDebug>
#include <QLineEdit>

using UnitKind = DisplayUnits::Kind;

namespace {

QString axleConfigurationToolTip()
{
    return Vorlan::tr("Proper format is XaYb where X must be one of:\nA=tractor, B=bus, C=car, "
                      "H=heavy truck, L=light truck, M=motorbike, V=van\nand Y is one of "
                      "(D=dolly, T=trailer, S=semi-trailer).\na and b represent the number of "
                      "axles on the part and must be equal to number of axles.");
}

// Lengthens the distance lists to at least gaps entries and the weight and tyre lists to at
// least axles entries, so that every editor shown has an entry of its own.
void padAxleLists(Subclass& subclass, int gaps, int axles)
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

// Fits the per-axle lists to a new axle count. Entries past it whose rows had editors are dropped:
// kept, they would be saved unseen, and be back, still unseen, when the rows are shown again.
void fitAxleLists(Subclass& subclass, int axles, int gapEditors)
{
    if (gapEditors >= axles) {
        while (subclass.min_distance_count() > axles - 1)
            subclass.remove_last_min_distance();
        while (subclass.max_distance_count() > axles - 1)
            subclass.remove_last_max_distance();
        while (subclass.max_axle_weight_count() > axles)
            subclass.remove_last_max_axle_weight();
        while (subclass.tyre_type_count() > axles)
            subclass.remove_last_tyre_type();
    }
    padAxleLists(subclass, axles - 1, axles);
}

void storeAxleValue(Subclass& subclass, const AxleRows::Cell& cell, const QString& text,
                    const DisplayUnits& units)
{
    const int i = cell.index;
    switch (cell.list) {
    case AxleRows::List::maxDistance:
        padAxleLists(subclass, i + 1, 0);
        subclass.set_max_distance_at_index(units.editTextToFileText(text, UnitKind::length), i);
        break;
    case AxleRows::List::minDistance:
        padAxleLists(subclass, i + 1, 0);
        subclass.set_min_distance_at_index(units.editTextToFileText(text, UnitKind::length), i);
        break;
    case AxleRows::List::weight:
        padAxleLists(subclass, 0, i + 1);
        subclass.set_max_axle_weight_at_index(units.editTextToFileText(text, UnitKind::weight), i);
        break;
    case AxleRows::List::tyre:
        padAxleLists(subclass, 0, i + 1);
        subclass.set_tyre_type_at_index(text, i);
        break;
    }
}

void storeConstraint(Subclass& subclass, const ConstraintPanel::Entry& entry, const QString& text,
                     const DisplayUnits& units)
{
    const QString value = constraintToFile(entry.kind, text, units);
    if (entry.kind == QLatin1String("adsl_0"))
        subclass.set_adsl_0(value);
    else if (entry.kind == QLatin1String("awsl_0"))
        subclass.set_awsl_0(value);
    else if (text.isEmpty())
        subclass.delete_constraint(entry.index, entry.kind);
    else
        subclass.set_constraint(value, entry.index, entry.kind);
}

// What a step names the field it was typed into.
QString cellName(const AxleRows::Cell& cell)
{
    switch (cell.list) {
    case AxleRows::List::maxDistance:
        return Vorlan::tr("Max. axle distance %1").arg(cell.index + 1);
    case AxleRows::List::minDistance:
        return Vorlan::tr("Min. axle distance %1").arg(cell.index + 1);
    case AxleRows::List::weight:
        return Vorlan::tr("Max. axle weight %1").arg(cell.index + 1);
    case AxleRows::List::tyre:
        return Vorlan::tr("Tyre type %1").arg(cell.index + 1);
    }
    return QString();
}

QString constraintName(const ConstraintPanel::Entry& entry)
{
    if (entry.kind == QLatin1String("adsl_0"))
        return Vorlan::tr("Total distance constraint");
    if (entry.kind == QLatin1String("awsl_0"))
        return Vorlan::tr("Total weight constraint");
    const QString name = entry.kind == QLatin1String("adsl")   ? Vorlan::tr("distance constraint")
                         : entry.kind == QLatin1String("awsl") ? Vorlan::tr("weight constraint")
                                                               : Vorlan::tr("weight limit");
    return Vorlan::tr("Combined %1 %2").arg(name).arg(entry.index + 1);
}

QString fieldName(const Ui::Vorlan& form, const QObject* field)
{
    const std::pair<const QObject*, const char*> names[] = {
        {form.lineEditOverrideClass, QT_TRANSLATE_NOOP("Vorlan", "Override class")},
        {form.lineEditOverrideGroups, QT_TRANSLATE_NOOP("Vorlan", "Override groups")},
        {form.lineEditAlias, QT_TRANSLATE_NOOP("Vorlan", "Alias")},
        {form.lineEditCategory, QT_TRANSLATE_NOOP("Vorlan", "Category")},
        {form.lineEditMaxGrossWeight, QT_TRANSLATE_NOOP("Vorlan", "Max. GVW")},
        {form.lineEditConfString, QT_TRANSLATE_NOOP("Vorlan", "Axle conf.")},
        {form.lineEditPrepend, QT_TRANSLATE_NOOP("Vorlan", "Prepend")},
        {form.lineEditAppend, QT_TRANSLATE_NOOP("Vorlan", "Append")},
        {form.lineEditReclassUpGvw,
         QT_TRANSLATE_NOOP("Vorlan", "Reclassify up gross weight limit")},
        {form.lineEditReclassUpTo, QT_TRANSLATE_NOOP("Vorlan", "Reclassify up to subclass")},
        {form.lineEditReclassDownGvw,
         QT_TRANSLATE_NOOP("Vorlan", "Reclassify down gross weight limit")},
        {form.lineEditReclassDownTo, QT_TRANSLATE_NOOP("Vorlan", "Reclassify down to subclass")},
        {form.lineEditNumOfAxles, QT_TRANSLATE_NOOP("Vorlan", "Number of axles")},
    };
    for (const auto& [edit, name] : names)
        if (edit == field)
            return Vorlan::tr(name);
    return QString();
}

} // namespace

void Vorlan::textChanged(const QString& text)
{
    qDebug().noquote() << "Text Changed: " + text;
    // A number that names no subclass gives the edit nowhere to go.
    Subclass* subclass = currentSubclass();
    if (!subclass)
        return;
    const Subclass before = *subclass;

    QObject* source = sender();
    QString field = fieldName(*ui, source);
    bool cleared = false;
    if (const auto cell = axleRows->cellOf(source)) {
        storeAxleValue(*subclass, *cell, text, units);
        axleRows->judge(*subclass, *cell, conf);
        showPicture(subclass);
        field = cellName(*cell);
    } else if (const auto entry = constraints->entryOf(source)) {
        storeConstraint(*subclass, *entry, text, units);
        const bool total = entry->kind.endsWith(QLatin1String("_0"));
        field = constraintName(*entry);
        cleared = text.isEmpty() && !total;
        if (cleared) {
            constraints->closeGap(*subclass, *entry);
        } else {
            constraints->judge(*subclass, *entry);
        }
        if (!total)
            showPicture(subclass);
    } else if (source == ui->lineEditOverrideClass) {
        subclass->set_override_class(text);
    } else if (source == ui->lineEditOverrideGroups) {
        subclass->set_override_groups(text);
    } else if (source == ui->lineEditAlias) {
        subclass->set_alias(text);
    } else if (source == ui->lineEditCategory) {
        subclass->set_category(text);
        validateEdit(ui->lineEditCategory, subclass->is_category_valid(), QString());
    } else if (source == ui->lineEditConfString) {
        subclass->set_axle_configuration(text);
        validateEdit(ui->lineEditConfString, subclass->is_axle_configuration_valid(),
                     axleConfigurationToolTip());
        showPicture(subclass);
    } else if (source == ui->lineEditReclassUpTo) {
        subclass->set_reclassify_up_to_subclass(text);
        SubclassFields::judgeReclassifyTarget(*ui, conf, *subclass, ui->lineEditReclassUpTo, true);
    } else if (source == ui->lineEditReclassDownTo) {
        subclass->set_reclassify_down_to_subclass(text);
        SubclassFields::judgeReclassifyTarget(*ui, conf, *subclass, ui->lineEditReclassDownTo,
                                              true);
    } else {
        if (!SubclassFields::storeUnitField(*ui, units, *subclass, source, text)) {
            qWarning().noquote() << "Edit of no subclass field:"
                                 << (source ? source->objectName() : QString());
            return;
        }
        // The appended length is drawn behind trailers.
        if (source == ui->lineEditAppend)
            showPicture(subclass);
    }
    subclassEdited(*subclass);
    // A constraint cleared is gone, not typed into: a step of its own.
    history->record(new SubclassEdit(history->context(),
                                     (cleared ? tr("clear %1") : tr("typing in %1")).arg(field),
                                     before, *subclass, cleared ? nullptr : source));
}

void Vorlan::on_lineEditNumOfAxles_textChanged(const QString& arg1)
{
    // Also runs when a subclass is shown, to lay out its editors. Typed, the count is a step;
    // the mark is taken, so that a count shown again later is not mistaken for one typed.
    const bool typed = ui->lineEditNumOfAxles->isModified();
    ui->lineEditNumOfAxles->setModified(false);
    Subclass* subclass = currentSubclass();
    if (!subclass)
        return;
    const Subclass before = *subclass;
    subclass->set_number_of_axles(arg1);
    validateEdit(ui->lineEditNumOfAxles, subclass->is_number_of_axles_valid(),
                 tr("Value must be between 2 and 20"));
    validateEdit(ui->lineEditConfString, subclass->is_axle_configuration_valid(),
                 axleConfigurationToolTip());
    if (subclass->is_number_of_axles_valid()) {
        const int axles = arg1.toInt();
        fitAxleLists(*subclass, axles, axleRows->gapEditorCount());
        axleRows->layOut(*subclass, axles, conf);
        subclass->set_axle_configuration(ui->lineEditConfString->text());
        validateEdit(ui->lineEditConfString, subclass->is_axle_configuration_valid(),
                     axleConfigurationToolTip());
        showPicture(subclass);
        SubclassFields::judgeReclassifyTarget(*ui, conf, *subclass, ui->lineEditReclassUpTo, false);
        SubclassFields::judgeReclassifyTarget(*ui, conf, *subclass, ui->lineEditReclassDownTo,
                                              false);
    }
    subclassEdited(*subclass);
    if (typed)
        history->record(new SubclassEdit(
            history->context(), tr("typing in %1").arg(fieldName(*ui, ui->lineEditNumOfAxles)),
            before, *subclass, ui->lineEditNumOfAxles));
}

void Vorlan::on_comboBoxAddConstraint_currentTextChanged(const QString& /*selected_constraint*/)
{
    constraints->showChosenKind();
}

void Vorlan::on_buttonAddConstraint_clicked()
{
    Subclass* subclass = currentSubclass();
    if (!subclass) {
        qDebug() << "No subclass to add a constraint to:" << ui->lineEditSubclass->text();
        return;
    }
    const auto added = constraints->newConstraint(axleRows->tickedAxles());
    if (!added)
        return;
    const Subclass before = *subclass;
    subclass->set_constraint(added->value, -1, added->kind);
    constraints->showAdded(*subclass, added->kind);
    axleRows->untickAll();
    subclassEdited(*subclass);
    const QString name =
        constraintName({added->kind, subclass->get_constraint_count(added->kind) - 1});
    history->record(
        new SubclassEdit(history->context(), tr("add %1").arg(name), before, *subclass));
}

void Vorlan::subclassEdited(const Subclass& subclass)
{
    const quint32 number = subclass.get_number();
    verdicts.update(number, &subclass);
    lists->updateInvalidEntry(number, verdicts.is_valid(number));
    // A max. distance typed may now reach past the header's maximum, or no longer.
    header->judgeLimits(conf, verdicts.highest_max_distance());
}

void Vorlan::storeHeaderValue(HeaderPanel::Field field, const QString& value)
{
    const QString before = header->stored(conf, field);
    HeaderPanel::store(conf, field, value);
    history->record(new HeaderEdit(
        history->context(), tr("typing in %1").arg(header->name(field)),
        [field](Conf& edited, const QString& stored) { HeaderPanel::store(edited, field, stored); },
        before, value, StepContext::Shown::Change::header, int(field)));
    using Field = HeaderPanel::Field;
    if (field != Field::minAxleDistance && field != Field::maxAxleDistance) {
        header->judge(conf, field);
        return;
    }
    // Only the subclasses whose verdict the limit can change are judged again, and the gaps
    // shown by the full rule of each, as showing the subclass again would.
    const QList<quint32> changed =
        verdicts.set_limits(conf.get_min_axle_distance__m(), conf.get_max_axle_distance__m());
    // Many changes are listed again at once: each one alone moves every entry after it.
    if (changed.size() > lists->count() / 16)
        lists->refreshInvalid(verdicts.invalid_numbers());
    else
        for (quint32 number : changed)
            lists->updateInvalidEntry(number, verdicts.is_valid(number));
    header->judgeLimits(conf, verdicts.highest_max_distance());
    if (const Subclass* subclass = currentSubclass())
        axleRows->judgeGaps(*subclass, conf);
}
