// The units dialog: two radio groups whose button ids are the unit codes, and the g field.
#include "units/measurementunits.h"

#include "ui_measurementunits.h"

#include <QDoubleValidator>
#include <QPushButton>

namespace {

// g as typed; 0 for anything that is not a number, including a value too large for a float.
float parseG(const QString& text)
{
    bool ok = false;
    const float value = text.toFloat(&ok);
    return ok ? value : 0.0f;
}

} // namespace

MeasurementUnits::MeasurementUnits(QWidget* parent, unsigned char weight, unsigned char length,
                                   float g)
    : QDialog(parent), ui(new Ui::MeasurementUnits), g(g)
{
    ui->setupUi(this);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);

    ui->buttonGroupWeight->setId(ui->radioButtonTons, 0);
    ui->buttonGroupWeight->setId(ui->radioButtonPounds, 1);
    ui->buttonGroupWeight->setId(ui->radioButtonKN, 2);
    if (QAbstractButton* button = ui->buttonGroupWeight->button(weight))
        button->setChecked(true);
    // idToggled is Qt 5.15's name for buttonToggled(int, bool).
    connect(ui->buttonGroupWeight, &QButtonGroup::idToggled, this,
            &MeasurementUnits::weightUnitChanged);

    ui->buttonGroupLength->setId(ui->radioButtonMeters, 0);
    ui->buttonGroupLength->setId(ui->radioButtonFeet, 1);
    ui->buttonGroupLength->setId(ui->radioButtonInches, 2);
    if (QAbstractButton* button = ui->buttonGroupLength->button(length))
        button->setChecked(true);

    // The form's locale, like the window's, is British English, so g takes a decimal point
    // whatever the machine's locale.
    auto* validator = new QDoubleValidator(this);
    validator->setLocale(locale());
    ui->lineEditG->setValidator(validator);

    weightUnitChanged(weight);
}

MeasurementUnits::~MeasurementUnits()
{
    delete ui;
}

// An exclusive group toggles the old button off before the new one on, so this runs twice per
// change and the call for the newly selected button has the last word.
void MeasurementUnits::weightUnitChanged(int radioButton)
{
    if (radioButton != 0) {
        ui->lineEditG->setEnabled(false);
        ui->lineEditG->setText(QString());
    } else {
        ui->lineEditG->setEnabled(true);
        ui->lineEditG->setText(QStringLiteral("%1").arg(double(g), 0, 'f', 6));
    }
    showGValidity();
}

void MeasurementUnits::on_lineEditG_textEdited(const QString& arg1)
{
    g = parseG(arg1);
    showGValidity();
}

void MeasurementUnits::on_buttonBox_accepted()
{
    emit sendUnits(static_cast<unsigned char>(ui->buttonGroupWeight->checkedId()),
                   static_cast<unsigned char>(ui->buttonGroupLength->checkedId()),
                   parseG(ui->lineEditG->text()));
}

// Tonnes are kilonewtons divided by g, so with Tons chosen a g that is not a positive number
// would make every weight in the window meaningless: such a g cannot be accepted.
void MeasurementUnits::showGValidity()
{
    const bool usable = !ui->radioButtonTons->isChecked() || parseG(ui->lineEditG->text()) > 0.0f;
    ui->lineEditG->setStyleSheet(usable ? QString()
                                        : QStringLiteral("QLineEdit {background-color: red}"));
    ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(usable);
}
