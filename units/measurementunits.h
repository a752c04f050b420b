#pragma once

#include <QDialog>

namespace Ui {
class MeasurementUnits;
}

// Picks the weight and length units the window displays, and g, which turns kilonewtons into
// tonnes. It stores nothing itself; the choice leaves through sendUnits when OK is clicked.
class MeasurementUnits : public QDialog
{
    Q_OBJECT

public:
    // Codes: weight 0 tonnes, 1 pounds, 2 kilonewtons; length 0 metres, 1 feet, 2 inches.
    MeasurementUnits(QWidget* parent, unsigned char weight, unsigned char length, float g);
    ~MeasurementUnits() override;

signals:
    void sendUnits(unsigned char weight, unsigned char length, float g);

private slots:
    void weightUnitChanged(int radioButton);
    void on_lineEditG_textEdited(const QString& arg1);
    void on_buttonBox_accepted();

private:
    void showGValidity();

    Ui::MeasurementUnits* ui;
    float g;
};
