// The header fields: storing what the user types into the configuration and colouring it.
#include "ui/vorlan.h"

#include "ui_vorlan.h"

#include <QDebug>
#include <QLineEdit>

void Vorlan::connectHeaderEdits()
{
    connect(ui->lineEditVersion, &QLineEdit::textEdited, this,
            [this](const QString& text) { conf.set_classification_version(text); });
    connect(ui->lineEditCountry, &QLineEdit::textEdited, this, [this] {
        validateHeaderEdit(ui->lineEditCountry, &Conf::is_country_code_valid,
                           &Conf::set_country_code, countryCodeToolTip);
    });
    connect(ui->lineEditGroupMaxDist, &QLineEdit::textEdited, this, [this] {
        validateHeaderDistance(ui->lineEditGroupMaxDist, &Conf::is_group_max_distance_valid,
                               &Conf::set_group_max_distance__m);
    });
    connect(ui->lineEditMinAxleSpacing, &QLineEdit::textEdited, this, [this] {
        conf.set_min_2axle_truck_spacing__m(
            editToFileText(ui->lineEditMinAxleSpacing, UnitKind::length));
    });
    connect(ui->lineEditMinAvgAxleWeight, &QLineEdit::textEdited, this, [this] {
        conf.set_min_avg_axle_weight__kN(
            editToFileText(ui->lineEditMinAvgAxleWeight, UnitKind::weight));
    });
    connect(ui->lineEditMaxAxleDist, &QLineEdit::textEdited, this, [this] {
        validateHeaderMaxDistance(ui->lineEditMaxAxleDist, &Conf::check_max_axle_distance,
                                  &Conf::set_max_axle_distance__m);
    });
    connect(ui->lineEditMinAxleDist, &QLineEdit::textEdited, this, [this] {
        validateHeaderDistance(ui->lineEditMinAxleDist, &Conf::is_min_axle_distance_valid,
                               &Conf::set_min_axle_distance__m);
    });
    connect(ui->lineEditUnclassified, &QLineEdit::textEdited, this, [this] {
        validateHeaderEdit(ui->lineEditUnclassified, &Conf::is_unclassified_vehicle_subclass_valid,
                           &Conf::set_unclassified_vehicle_subclass, QString());
    });
    connect(ui->lineEditUncategorised, &QLineEdit::textEdited, this, [this] {
        validateHeaderEdit(ui->lineEditUncategorised,
                           &Conf::is_uncategorised_vehicle_category_valid,
                           &Conf::set_uncategorised_vehicle_category, QString());
    });
}

void Vorlan::validateHeaderEdit(QLineEdit* edit, HeaderCheck check, HeaderStore store,
                                const QString& toolTip)
{
    (conf.*store)(edit->text());
    validateEdit(edit, (conf.*check)(), toolTip);
}

void Vorlan::validateHeaderDistance(QLineEdit* edit, HeaderCheck check, HeaderStore store)
{
    (conf.*store)(editToFileText(edit, UnitKind::length));
    validateEdit(edit, (conf.*check)(), QString());
    if (edit != ui->lineEditMinAxleDist)
        return;

    // The shown cells and the limit are both in displayed units.
    const float limit = edit->text().toFloat();
    const int axles = ui->lineEditNumOfAxles->text().toInt();
    for (int i = 1; i < axles; ++i) {
        if (auto* cell = qobject_cast<QLineEdit*>(widgetAt(ui->frameMinAxleDists, i)))
            validateEdit(cell, cell->text().toFloat() >= limit, minDistanceToolTip);
        else
            qWarning() << "Failed to convert a widget to a lineEdit while trying to validate min "
                          "axle distance at index"
                       << i;
        if (auto* cell = qobject_cast<QLineEdit*>(widgetAt(ui->frameMaxAxleDists, i)))
            validateEdit(cell, cell->text().toFloat() >= limit, maxDistanceToolTip);
        else
            qWarning() << "Failed to convert a widget to a lineEdit while trying to validate max "
                          "axle distance at index"
                       << i;
    }
    refreshInvalidSubclasses();
}

void Vorlan::validateHeaderMaxDistance(QLineEdit* edit, HeaderMaxCheck check, HeaderStore store)
{
    (conf.*store)(editToFileText(edit, UnitKind::length));
    validateTriState(edit, (conf.*check)());

    const float limit = edit->text().toFloat();
    const int axles = ui->lineEditNumOfAxles->text().toInt();
    for (int i = 1; i < axles; ++i) {
        if (auto* cell = qobject_cast<QLineEdit*>(widgetAt(ui->frameMinAxleDists, i)))
            validateEdit(cell, limit >= cell->text().toFloat(), minDistanceToolTip);
        else
            qWarning() << "Failed to convert a widget to a lineEdit while trying to validate min "
                          "axle distance at index"
                       << i << "upon changing of max axle distance";
        if (auto* cell = qobject_cast<QLineEdit*>(widgetAt(ui->frameMaxAxleDists, i)))
            validateEdit(cell, limit >= cell->text().toFloat(), maxDistanceToolTip);
        else
            qWarning() << "Failed to convert a widget to a lineEdit while trying to validate max "
                          "axle distance at index"
                       << i << "upon changing of max axle distance";
    }
    refreshInvalidSubclasses();
}
