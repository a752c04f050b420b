// Showing the header of an opened configuration in its fields, in displayed units.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

#include <QDebug>
#include <QLineEdit>

void Vorlan::showHeader()
{
    const QString g = conf.get_g_acceleration_constant();
    if (conf.header().contains(QStringLiteral("g_acceleration_constant")) && g.toFloat() > 0.0f) {
        qDebug() << "New conversion weight" << units.weightFactor();
        if (units.weightUnit() == 0)
            units.setWeightFactor(g.toFloat());
        ui->buttonGConstant->setText(g);
    } else {
        ui->buttonGConstant->setText(QStringLiteral("9.80665"));
    }

    ui->lineEditVersion->setText(conf.get_classification_version());
    validateEdit(ui->lineEditVersion, true, QString());
    ui->lineEditCountry->setText(conf.get_country_code());
    validateEdit(ui->lineEditCountry, conf.is_country_code_valid(), countryCodeToolTip);
    ui->lineEditUnclassified->setText(conf.get_unclassified_vehicle_subclass());
    validateEdit(ui->lineEditUnclassified, conf.is_unclassified_vehicle_subclass_valid(),
                 QString());
    ui->lineEditUncategorised->setText(conf.get_uncategorised_vehicle_category());
    validateEdit(ui->lineEditUncategorised, conf.is_uncategorised_vehicle_category_valid(),
                 QString());

    setConvertedText(ui->lineEditGroupMaxDist, conf.get_group_max_distance__m(), UnitKind::length,
                     conf.is_group_max_distance_valid());
    setConvertedText(ui->lineEditMinAxleSpacing, conf.get_min_2axle_truck_spacing__m(),
                     UnitKind::length, true);
    setConvertedText(ui->lineEditMinAvgAxleWeight, conf.get_min_avg_axle_weight__kN(),
                     UnitKind::weight, true);
    setConvertedText(ui->lineEditMinAxleDist, conf.get_min_axle_distance__m(), UnitKind::length,
                     conf.is_min_axle_distance_valid());
    setConvertedHeaderText(ui->lineEditMaxAxleDist, conf.get_max_axle_distance__m(),
                           UnitKind::length, conf.check_max_axle_distance());
}
