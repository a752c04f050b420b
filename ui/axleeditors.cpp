// The per-axle editors: distances, weights, selection boxes and tyre types.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

#include <QCheckBox>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLineEdit>

void Vorlan::on_lineEditNumOfAxles_textChanged(const QString& arg1)
{
    // Will create, show or hide the per-axle editors to match the new axle count.
    Q_UNUSED(arg1)
}

void Vorlan::setupAxleEdit(QLineEdit* edit, bool real, const QString& statusTip,
                           const QString& objectName)
{
    edit->setMaximumWidth(45);
    QValidator* validator = real ? static_cast<QValidator*>(new QDoubleValidator(edit))
                                 : static_cast<QValidator*>(new QIntValidator(edit));
    validator->setLocale(locale());
    edit->setValidator(validator);
    edit->setStatusTip(statusTip);
    edit->setObjectName(objectName);
    connect(edit, &QLineEdit::textEdited, this, &Vorlan::textChanged);
}

QCheckBox* Vorlan::createAxleBox(int axle)
{
    // Two characters wide, so the boxes of axles 1 to 9 line up with those of 10 to 20.
    auto* box = new QCheckBox(QString::number(axle).leftJustified(2, QLatin1Char(' ')), this);
    box->setStatusTip(axleBoxStatusTip);
    box->setObjectName(QStringLiteral("MaxAxleWeightBox%1").arg(axle));
    return box;
}
