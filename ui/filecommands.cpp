// The File menu: New, Open and Save.
#include "ui/vorlan.h"

#include "ui/axlerows.h"
#include "ui/subclasslists.h"
#include "ui_vorlan.h"

#include <QDebug>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace {

// The file commands' messages stand alone, without a parent window, and wait for an answer.
int warn(const QString& title, const QString& text,
         QMessageBox::StandardButtons buttons = QMessageBox::Ok)
{
    QMessageBox box(QMessageBox::Warning, title, text, buttons);
    if (buttons.testFlag(QMessageBox::No))
        box.setEscapeButton(QMessageBox::No);
    return box.exec();
}

// The name to save under; empty when the user cancels.
QString askSaveFileName(QWidget* parent)
{
    QFileDialog dialog(parent, Vorlan::tr("Save as"), QString(),
                       Vorlan::tr("Configuration (*.conf)"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("conf"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

// A value that would read back differently is lost on the next Open, so it is not saved.
bool readsBackAsWritten(const Conf& conf)
{
    const QString problem = conf.round_trip_problem();
    if (problem.isEmpty())
        return true;
    warn(Vorlan::tr("Value would be lost"),
         Vorlan::tr("A value would not read back as it is written, so saving would lose it:\n%1"
                    "\n\nPlease change that value and save again.")
             .arg(problem));
    return false;
}

bool writeConfiguration(const Conf& conf, const QString& path)
{
    QString reason;
    if (conf.write_to_file(path, &reason))
        return true;
    qWarning().noquote() << "Could not write" << path + QStringLiteral(":") << reason;
    warn(Vorlan::tr("Configuration not saved"),
         Vorlan::tr("The configuration could not be written to %1:\n%2\n\nA file already "
                    "there is left as it was.")
             .arg(QDir::toNativeSeparators(path), reason));
    return false;
}

} // namespace

void Vorlan::menuNewClicked()
{
    conf = Conf();
    if (units.weightUnit() == 0 && units.weightFactor() != DisplayUnits::standardGravity)
        conf.set_g_acceleration_constant(QString::number(units.weightFactor(), 'g', 6));
    header->writeTo(conf);
    // The configuration shown so far is gone, whether or not the new one is written.
    showEmptySubclassPanel();

    if (conf.validate_for_saving().outcome != Conf::SaveOutcome::save_ok) {
        warn(tr("Could not save configuration"),
             tr("Please make sure required (red) fields are filled before creating a new "
                "configuration."));
    } else if (readsBackAsWritten(conf)) {
        const QString path = askSaveFileName(this);
        if (!path.isEmpty() && writeConfiguration(conf, path))
            setWindowTitle(windowTitleText + QLatin1Char(' ') + path);
    }
    showPicture(nullptr);
}

void Vorlan::menuOpenClicked()
{
    const QString path = QFileDialog::getOpenFileName(this, tr("Open file"), QString(),
                                                      tr("Configuration (*.conf)"));
    if (path.isEmpty())
        return;
    openConfiguration(path);
}

void Vorlan::openConfiguration(const QString& path)
{
    setWindowTitle(windowTitleText + QLatin1Char(' ') + path);
    conf = Conf(path);

    const float g = conf.get_g_acceleration_constant().toFloat();
    if (units.weightUnit() == 0 && g > 0.0f) {
        units.setWeightFactor(g);
        qDebug() << "New conversion weight" << units.weightFactor();
    }

    clearSubclassFields();
    lists->clear();
    header->show(conf);
    const QList<quint32> numbers = conf.get_subclass_numbers();
    lists->fill(numbers);
    lists->refreshInvalid(conf.invalid_subclass_numbers());
    if (!numbers.isEmpty()) {
        showSubclassPanel();
        showSubclass(numbers.constFirst());
    } else {
        // Nothing of the configuration shown before may stay on screen, and the number field
        // stays at hand for the first subclass.
        showEmptySubclassPanel();
        showPicture(nullptr);
    }
    axleRows->showFirstAxle();

    if (conf.stopped_at_line() > 0) {
        QMessageBox warning(
            QMessageBox::Warning, tr("Configuration read only in part"),
            tr("Reading stopped at line %1:\n%2\n\nThat section and the ones "
               "after it were not loaded. Saving this configuration would leave "
               "them out of the file.")
                .arg(QString::number(conf.stopped_at_line()), conf.stopped_line_text()),
            QMessageBox::Ok);
        warning.exec();
    }
}

void Vorlan::menuSaveClicked()
{
    const QString duplicates = conf.find_duplicate_subclasses();
    if (!duplicates.isEmpty() &&
        warn(tr("Duplicate subclasses found!"),
             tr("At least one duplicated subclass found. Do you wish to continue saving?") +
                 QLatin1Char(' ') + duplicates,
             QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;

    const Conf::SaveCheck check = conf.validate_for_saving();
    switch (check.outcome) {
    case Conf::SaveOutcome::subclass_incomplete:
        warn(tr("Vital information missing in one or more subclasses!"),
             tr("Missing data found in subclass ") + QString::number(check.subclass) +
                 tr("\nPlease make sure all of the following fields are valid:\nCategory\nNumber "
                    "of axles\nMax. gross weight\nAxle configuration\nand all fields dependant "
                    "on number of axles."));
        return;
    case Conf::SaveOutcome::header_invalid:
        warn(tr("Header invalid!"),
             tr("Please make sure all required fields are filled and valid."));
        return;
    case Conf::SaveOutcome::save_ok:
        break;
    }
    if (!readsBackAsWritten(conf))
        return;
    const QString path = askSaveFileName(this);
    if (!path.isEmpty())
        writeConfiguration(conf, path);
}
