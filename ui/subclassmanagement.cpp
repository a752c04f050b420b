// Creating, copying and deleting subclasses.
#include "ui/vorlan.h"

#include "ui/axlerows.h"
#include "ui/edithistory.h"
#include "ui/fieldcolours.h"
#include "ui/subclasslists.h"
#include "ui/undo/subclasslisting.h"
#include "ui_vorlan.h"

#include <QLineEdit>

void Vorlan::on_buttonSubclass_clicked()
{
    const QString typed = ui->lineEditSubclass->text();
    bool isNumber = false;
    const quint32 number = typed.toUInt(&isNumber);
    if (!isNumber)
        return;

    // Each step is recorded once the window shows its change, which is when the configuration
    // is announced as changed.
    if (const Subclass* deleted = currentSubclass()) {
        auto* step = new SubclassListing(history->context(), tr("delete subclass %1").arg(number),
                                         SubclassListing::Change::deleted, *deleted,
                                         lists->position(number));
        conf.remove_subclass(number);
        verdicts.update(number, nullptr);
        header->judgeLimits(conf, verdicts.highest_max_distance());
        // The list then shows a neighbour; without one, nothing of the deleted subclass stays.
        lists->removeCurrent();
        ui->lineEditCopy->clear();
        on_lineEditCopy_textEdited(QString());
        if (lists->count() == 0)
            showEmptySubclassPanel();
        history->record(step);
        return;
    }

    // A number typed with a leading zero or sign is not found in the list, yet may name a
    // subclass that exists: show that one rather than replace it with an empty record.
    if (conf.has_subclass(number)) {
        ui->lineEditSubclass->setText(QString::number(number));
        return;
    }

    Subclass subclass = Subclass::from_section({{QStringLiteral("subclass"), typed}});
    subclass.set_category(ui->lineEditUnclassified->text());
    auto* step = new SubclassListing(history->context(), tr("create subclass %1").arg(number),
                                     SubclassListing::Change::added, subclass, lists->count(),
                                     lists->current());
    conf.insert_subclass(number, subclass);
    lists->append(number);
    // A new subclass has no axles yet, so it is listed as invalid.
    subclassEdited(subclass);
    if (lists->count() == 1)
        showSubclassPanel();
    showSubclass(number);
    axleRows->markFirstAxleUnset();
    showPicture(nullptr);
    history->record(step);
}

void Vorlan::on_buttonCopy_clicked()
{
    const Subclass* source = currentSubclass();
    bool isNumber = false;
    const quint32 target = ui->lineEditCopy->text().toUInt(&isNumber);
    // The target may have been created since it was typed; a copy never replaces a subclass.
    if (!source || !isNumber || conf.has_subclass(target)) {
        on_lineEditCopy_textEdited(ui->lineEditCopy->text());
        return;
    }

    Subclass copy = *source;
    copy.set_number(target);
    auto* step = new SubclassListing(
        history->context(), tr("copy subclass %1 to %2").arg(source->get_number()).arg(target),
        SubclassListing::Change::added, copy, lists->count(), source->get_number());
    conf.insert_subclass(target, copy);
    lists->append(target);
    subclassEdited(copy);
    // The target is taken now; the field is ready for the next one.
    ui->lineEditCopy->clear();
    on_lineEditCopy_textEdited(QString());
    lists->selectLast();
    history->record(step);
}

void Vorlan::on_lineEditCopy_textEdited(const QString& arg1)
{
    if (arg1.isEmpty()) {
        validateEdit(ui->lineEditCopy, FieldState::neutral);
        ui->buttonCopy->setEnabled(false);
        return;
    }
    // A sign makes no subclass number, though the field's validator lets it be typed.
    bool isNumber = false;
    const bool free = !conf.has_subclass(arg1.toUInt(&isNumber)) && isNumber;
    validateEdit(ui->lineEditCopy, free,
                 tr("The subclass you wish to copy to already exists. Please choose a different "
                    "value or delete the subclass."));
    ui->buttonCopy->setEnabled(free);
}
