// The header fields: showing the configuration's site-wide values and judging what is typed.
#include "ui/headerpanel.h"

#include "model/conf.h"
#include "ui/fieldcolours.h"
#include "ui/numberfields.h"
#include "ui/windowtext.h"
#include "ui_vorlan.h"

#include <QLineEdit>
#include <QRegExpValidator>

using Kind = DisplayUnits::Kind;

namespace {

QString finiteToolTip()
{
    return windowText("Value must be a finite number.");
}

} // namespace

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
           &Conf::get_min_2axle_truck_spacing__m, &Conf::is_min_2axle_truck_spacing_valid,
           finiteToolTip()},
          {form.lineEditMinAvgAxleWeight, form.labelMinAvgAxleWeight, Kind::weight,
           &Conf::get_min_avg_axle_weight__kN, &Conf::is_min_avg_axle_weight_valid,
           finiteToolTip()},
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
        if (rows[i].unit) {
            NumberFields::acceptReals(rows[i].edit);
            NumberFields::fitWidth(rows[i].edit, QStringLiteral("99999.99"));
        }
    }
    // Two letters A to Z: upper-cased, another letter could turn into a listed code.
    row(Field::countryCode)
        .edit->setValidator(new QRegExpValidator(QRegExp(QStringLiteral("[A-Za-z]{0,2}")),
                                                 row(Field::countryCode).edit));
    for (Field field : {Field::unclassifiedSubclass, Field::uncategorisedCategory}) {
        NumberFields::acceptWholeNumbers(row(field).edit);
        NumberFields::fitWidth(row(field).edit, QStringLiteral("999999"));
    }
    NumberFields::fitWidth(row(Field::countryCode).edit, QStringLiteral("WW"));
    // Room for a date and a few words; the version takes any text.
    NumberFields::fitWidth(row(Field::version).edit,
                           QStringLiteral("2024-03-20 motorway A1 km 112 lanes 1 to 4"), false);
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
    // Only the max. axle distance needs the subclasses, and reading them all costs.
    judge(conf, field, field == Field::maxAxleDistance ? conf.highest_max_distance() : 0.0f);
}

void HeaderPanel::judge(const Conf& conf, Field field, float highestSubclassMax)
{
    const Row& judged = row(field);
    if (field == Field::maxAxleDistance)
        judgeMaxAxleDistance(conf.check_max_axle_distance(highestSubclassMax));
    else if (judged.check)
        validateEdit(judged.edit, (conf.*judged.check)(), judged.toolTip);
}

void HeaderPanel::judgeLimits(const Conf& conf, float highestSubclassMax)
{
    judge(conf, Field::minAxleDistance);
    judgeMaxAxleDistance(conf.check_max_axle_distance(highestSubclassMax));
}

void HeaderPanel::judgeMaxAxleDistance(Conf::MaxAxleDistance state)
{
    QLineEdit* edit = row(Field::maxAxleDistance).edit;
    switch (state) {
    case Conf::MaxAxleDistance::valid:
        validateEdit(edit, FieldState::valid);
        break;
    case Conf::MaxAxleDistance::lower_than_subclasses:
        validateEdit(edit, FieldState::inconsistent,
                     windowText("Value is lower than some subclasses."));
        break;
    case Conf::MaxAxleDistance::invalid:
        validateEdit(edit, FieldState::invalid,
                     windowText("Value must be higher than min axle distance."));
        break;
    }
}

void HeaderPanel::show(const Conf& conf, float highestSubclassMax)
{
    showG(conf.is_g_acceleration_constant_valid() ? conf.get_g_acceleration_constant()
                                                  : QStringLiteral("9.80665"));
    showFields(conf, highestSubclassMax);
}

void HeaderPanel::showFields(const Conf& conf, float highestSubclassMax)
{
    for (int i = 0; i < int(rows.size()); ++i) {
        const Row& shown = rows[i];
        const QString value = (conf.*shown.value)();
        shown.edit->setText(shown.unit ? units.toDisplayedText(value, *shown.unit) : value);
        // What takes any value is valid whatever it shows.
        validateEdit(shown.edit, true, QString());
        judge(conf, static_cast<Field>(i), highestSubclassMax);
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

void HeaderPanel::showG(const QString& g)
{
    gButton->setText(g);
}

void HeaderPanel::redisplayUnits(const Conf& conf, float highestSubclassMax)
{
    for (int i = 0; i < int(rows.size()); ++i) {
        const Row& shown = rows[i];
        if (!shown.unit)
            continue;
        shown.caption->setText(
            DisplayUnits::withSuffix(shown.caption->text(), units.suffix(*shown.unit)));
        showFieldText(shown.edit, units.toDisplayedText((conf.*shown.value)(), *shown.unit), true);
        judge(conf, static_cast<Field>(i), highestSubclassMax);
    }
}
