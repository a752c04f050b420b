// The File menu: New, Open and Save.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

#include <QDebug>
#include <QFileDialog>
#include <QLayout>
#include <QMessageBox>
#include <QSignalBlocker>

void Vorlan::menuNewClicked()
{
    // Will write a new configuration made of the header typed into the window.
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

    resetSubclassFields();
    showHeader();
    {
        // The first subclass is shown once, below, after the lists are complete.
        const QSignalBlocker blocker(ui->comboBoxSubclasses);
        for (quint32 number : conf.get_subclass_numbers())
            ui->comboBoxSubclasses->addItem(QStringLiteral("subclass_") + QString::number(number));
    }
    refreshInvalidSubclasses();

    if (ui->comboBoxSubclasses->count() > 0) {
        showSubclassPanel();
        if (ui->comboBoxSubclasses->currentIndex() == 0)
            on_comboBoxSubclasses_currentIndexChanged(ui->comboBoxSubclasses->currentText());
        else
            ui->comboBoxSubclasses->setCurrentIndex(0);
    } else {
        // Nothing of the configuration shown before may stay on screen.
        clearSubclassPanel();
        hideAllAxleRows();
        clearVehiclePicture();
    }
    for (QFrame* frame :
         {ui->frameMaxAxleWeightsEdits, ui->frameMaxAxleWeightsBoxes, ui->frameTyreTypes})
        if (QWidget* first = widgetAt(frame, 1))
            first->show();

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
    // Will check the configuration and write it to a file.
}
