// The header fields: showing the configuration's site-wide values and judging what is typed.
#include "ui/headerpanel.h"

#include "model/conf.h"
#include "ui/fieldcolours.h"
#include "ui/windowtext.h"
#include "ui_vorlan.h"

#include <QLineEdit>

using Kind = DisplayUnits::Kind;

HeaderPanel::HeaderPanel(Ui::Vorlan& form, const DisplayUnits& units, QObject* parent)
    : QObject(parent), units(units), gButton(form.buttonGConstant),
      rows{{
          {form.lineEditVersion, form.labelVersion, std::nullopt, &Conf::get_classification_version,
           nullptr, QString()},
          {form.lineEditCountry, form.labelCountry, std::nullopt, &Conf::get_country_code,
           &Conf::is_country_code_valid, windowText("Enter a two letter ISO code.")},
          {form.lineEditGroupMaxDist, form.labelGroupMaxDist, Kind::length,
           &Conf::get_group_max_distance__m, &Conf::is_group_max_distance_valid, QString()},
          {form.lineEditMinAxleSpacing, form.labelMinAxleSpacing, Kind::length,
           &Conf::get_min_2axle_truck_spacing__m, nullptr, QString()},
          {form.lineEditMinAvgAxleWeight, form.labelMinAvgAxleWeight, Kind::weight,
           &Conf::get_min_avg_axle_weight__kN, nullptr, QString()},
          // The maximum's edit stands beside the caption named for the minimum, and the other way
          // round; what the user reads beside each edit is right.
          {form.lineEditMaxAxleDist, form.labelMinAxleDist, Kind::length,
           &Conf::get_max_axle_distance__m, nullptr, QString()},
          {form.lineEditMinAxleDist, form.labelMaxAxleDist, Kind::length,
           &Conf::get_min_axle_distance__m, &Conf::is_min_axle_distance_valid, QString()},
          {form.lineEditUnclassified, form.labelUnclassified, std::nullopt,
           &Conf::get_unclassified_vehicle_subclass, &Conf::is_unclassified_vehicle_subclass_valid,
           QString()},
          {form.lineEditUncategorised, form.labelUncategorised, std::nullopt,
           &Conf::get_uncategorised_vehicle_category,
           &Conf::is_uncategorised_vehicle_category_valid, QString()},
      }}
{
    for (int i = 0; i < int(rows.size()); ++i) {
        const auto field = static_cast<Field>(i);
        connect(rows[i].edit, &QLineEdit::textEdited, this,
                [this, field] { emit edited(field, fileValue(row(field))); });
    }
}

void HeaderPanel::store(Conf& conf, Field field, const QString& value)
{
    switch (field) {
    case Field::version:
        conf.set_classification_version(value);
        break;
    case Field::countryCode:
        conf.set_country_code(value);
        break;
    case Field::groupMaxDistance:
        conf.set_group_max_distance__m(value);
        break;
    case Field::minVehicleSpacing:
        conf.set_min_2axle_truck_spacing__m(value);
        break;
    case Field::minAverageAxleWeight:
        conf.set_min_avg_axle_weight__kN(value);
        break;
    case Field::maxAxleDistance:
        conf.set_max_axle_distance__m(value);
        break;
    case Field::minAxleDistance:
        conf.set_min_axle_distance__m(value);
        break;
    case Field::unclassifiedSubclass:
        conf.set_unclassified_vehicle_subclass(value);
        break;
    case Field::uncategorisedCategory:
        conf.set_uncategorised_vehicle_category(value);
        break;
    }
}

QString HeaderPanel::fileValue(const Row& row) const
{
    return row.unit ? units.editTextToFileText(row.edit->text(), *row.unit) : row.edit->text();
}

void HeaderPanel::judge(const Conf& conf, Field field)
{
    const Row& judged = row(field);
    if (field == Field::maxAxleDistance) {
        switch (conf.check_max_axle_distance()) {
        case Conf::MaxAxleDistance::valid:
            validateEdit(judged.edit, FieldState::valid);
            break;
        case Conf::MaxAxleDistance::lower_than_subclasses:
            validateEdit(judged.edit, FieldState::inconsistent,
                         windowText("Value is lower than some subclasses."));
            break;
        case Conf::MaxAxleDistance::invalid:
            validateEdit(judged.edit, FieldState::invalid,
                         windowText("Value must be higher than min axle distance."));
            break;
        }
    } else if (judged.check) {
        validateEdit(judged.edit, (conf.*judged.check)(), judged.toolTip);
    }
}

void HeaderPanel::show(const Conf& conf)
{
    const QString g = conf.get_g_acceleration_constant();
    showG(g.toFloat() > 0.0f ? g : QStringLiteral("9.80665"));
    showFields(conf);
}

void HeaderPanel::showFields(const Conf& conf)
{
    for (int i = 0; i < int(rows.size()); ++i) {
        const Row& shown = rows[i];
        const QString value = (conf.*shown.value)();
        shown.edit->setText(shown.unit ? units.toDisplayedText(value, *shown.unit) : value);
        // What takes any value is valid whatever it shows.
        validateEdit(shown.edit, true, QString());
        judge(conf, static_cast<Field>(i));
    }
}

void HeaderPanel::writeTo(Conf& conf) const
{
    for (int i = 0; i < int(rows.size()); ++i)
        store(conf, static_cast<Field>(i), fileValue(rows[i]));
}

QString HeaderPanel::stored(const Conf& conf, Field field) const
{
    return (conf.*row(field).value)();
}

QString HeaderPanel::name(Field field) const
{
    return row(field)
        .caption->text()
        .section(QLatin1Char('('), 0, 0)
        .remove(QLatin1Char(':'))
        .trimmed();
}

float HeaderPanel::shownNumber(Field field) const
{
    return row(field).edit->text().toFloat();
}

void HeaderPanel::showG(const QString& g)
{
    gButton->setText(g);
}

void HeaderPanel::redisplayUnits(const Conf& conf)
{
    for (const Row& shown : rows) {
        if (!shown.unit)
            continue;
        shown.caption->setText(
            DisplayUnits::withSuffix(shown.caption->text(), units.suffix(*shown.unit)));
        showFieldText(shown.edit, units.toDisplayedText((conf.*shown.value)(), *shown.unit), true);
    }
}
