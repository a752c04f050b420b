// The File menu's New and Open, as far as they change what the window shows.
#include "ui/vorlan.h"

#include "ui/axlerows.h"
#include "ui/filecommands.h"
#include "ui/subclasslists.h"
#include "ui_vorlan.h"

#include <QDebug>

void Vorlan::menuNewClicked()
{
    if (!file->mayDiscardEdits())
        return;
    Conf fresh;
    if (units.gravity() != DisplayUnits::standardGravity)
        fresh.set_g_acceleration_constant(units.gravityText());
    header->writeTo(fresh);
    // Until the new configuration is written, the window keeps the one it has.
    const QString path = file->writeNew(fresh);
    if (path.isEmpty())
        return;
    conf = fresh;
    verdicts.rebuild(conf);
    showEmptySubclassPanel();
    file->began(path);
}

bool Vorlan::openConfiguration(const QString& path)
{
    if (!FileCommands::canOpen(path))
        return false;
    conf = Conf(path);

    units.useGravityOf(conf);
    qDebug() << "New conversion weight" << units.weightFactor();

    clearSubclassFields();
    lists->clear();
    verdicts.rebuild(conf);
    header->show(conf, verdicts.highest_max_distance());
    const QList<quint32> numbers = conf.get_subclass_numbers();
    lists->fill(numbers);
    lists->refreshInvalid(verdicts.invalid_numbers());
    if (!numbers.isEmpty()) {
        showSubclassPanel();
        showSubclass(numbers.constFirst());
    } else {
        // Nothing of the configuration shown before may stay on screen, and the number field
        // stays at hand for the first subclass.
        showEmptySubclassPanel();
    }
    axleRows->showFirstAxle();
    file->began(path);
    return true;
}
