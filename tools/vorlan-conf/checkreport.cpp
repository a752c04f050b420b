#include "checkreport.h"

#include "commandline.h"

#include "model/conf.h"
#include "model/subclassreasons.h"

#include <QJsonArray>

namespace {

QString outcome_name(Conf::SaveOutcome outcome)
{
    switch (outcome) {
    case Conf::SaveOutcome::save_ok:
        return QStringLiteral("save_ok");
    case Conf::SaveOutcome::subclass_incomplete:
        return QStringLiteral("subclass_incomplete");
    case Conf::SaveOutcome::header_invalid:
        break;
    }
    return QStringLiteral("header_invalid");
}

QString max_axle_distance_name(Conf::MaxAxleDistance state)
{
    switch (state) {
    case Conf::MaxAxleDistance::valid:
        return QStringLiteral("valid");
    case Conf::MaxAxleDistance::lower_than_subclasses:
        return QStringLiteral("lower_than_subclasses");
    case Conf::MaxAxleDistance::invalid:
        break;
    }
    return QStringLiteral("invalid");
}

QString reason_name(DroppedKey::Reason reason)
{
    switch (reason) {
    case DroppedKey::Reason::unknown_key:
        return QStringLiteral("unknown_key");
    case DroppedKey::Reason::repeated_key:
        return QStringLiteral("repeated_key");
    case DroppedKey::Reason::replaced_section:
        break;
    }
    return QStringLiteral("replaced_section");
}

QJsonArray dropped_keys_of(const Conf& conf)
{
    QJsonArray keys;
    for (const DroppedKey& dropped : conf.dropped_keys())
        keys.append(QJsonObject{{QStringLiteral("line"), dropped.line},
                                {QStringLiteral("key"), dropped.key},
                                {QStringLiteral("reason"), reason_name(dropped.reason)}});
    return keys;
}

// "line 4 note (unknown key), ...": the reasons as words.
QString dropped_keys_text(const QJsonArray& keys)
{
    QStringList texts;
    for (const QJsonValue& value : keys) {
        const QJsonObject key = value.toObject();
        texts << QStringLiteral("line %1 %2 (%3)")
                     .arg(key.value(QLatin1String("line")).toInt())
                     .arg(key.value(QLatin1String("key")).toString(),
                          key.value(QLatin1String("reason"))
                              .toString()
                              .replace(QLatin1Char('_'), QLatin1Char(' ')));
    }
    return texts.isEmpty() ? QStringLiteral("none") : texts.join(QStringLiteral(", "));
}

QJsonObject reasons_of(const Conf& conf)
{
    QJsonObject reasons;
    const QMap<quint32, SubclassReasons> by_subclass = invalid_subclass_reasons(conf);
    for (auto it = by_subclass.cbegin(); it != by_subclass.cend(); ++it) {
        QJsonArray list;
        for (const SubclassReason& reason : it.value())
            list.append(QJsonObject{{QStringLiteral("field"), reason.field},
                                    {QStringLiteral("index"),
                                     reason.index > 0 ? QJsonValue(reason.index) : QJsonValue()},
                                    {QStringLiteral("value"), reason.value},
                                    {QStringLiteral("message"), reason.message}});
        reasons.insert(QString::number(it.key()), list);
    }
    return reasons;
}

// The header rules by the key each one judges.
struct HeaderRule
{
    const char* name; // in the JSON report
    const char* key;
    bool (Conf::*holds)() const;
};

const HeaderRule header_rules[] = {
    {"country_code_valid", "country_code", &Conf::is_country_code_valid},
    {"group_max_distance_valid", "group_max_distance__m", &Conf::is_group_max_distance_valid},
    {"unclassified_vehicle_subclass_valid", "unclassified_vehicle_subclass",
     &Conf::is_unclassified_vehicle_subclass_valid},
    {"uncategorised_vehicle_category_valid", "uncategorised_vehicle_category",
     &Conf::is_uncategorised_vehicle_category_valid},
    {"min_axle_distance_valid", "min_axle_distance__m", &Conf::is_min_axle_distance_valid},
    {"g_acceleration_constant_valid", "g_acceleration_constant",
     &Conf::is_g_acceleration_constant_valid},
    {"min_2axle_truck_spacing_valid", "min_2axle_truck_spacing__m",
     &Conf::is_min_2axle_truck_spacing_valid},
    {"min_avg_axle_weight_valid", "min_avg_axle_weight__kN", &Conf::is_min_avg_axle_weight_valid},
};

} // namespace

CheckReport::CheckReport(const Conf& conf)
{
    json.insert(QStringLiteral("subclasses"), json_numbers(conf.get_subclass_numbers()));
    const QList<quint32> invalid = conf.invalid_subclass_numbers();
    json.insert(QStringLiteral("invalid_subclasses"), json_numbers(invalid));
    json.insert(QStringLiteral("reasons"), reasons_of(conf));
    json.insert(QStringLiteral("duplicates"), conf.find_duplicate_subclasses());

    const Conf::SaveCheck check = conf.validate_for_saving();
    QJsonObject save_check;
    save_check.insert(QStringLiteral("outcome"), outcome_name(check.outcome));
    save_check.insert(QStringLiteral("subclass"),
                      check.outcome == Conf::SaveOutcome::subclass_incomplete
                          ? QJsonValue(double(check.subclass))
                          : QJsonValue());
    json.insert(QStringLiteral("save_check"), save_check);

    QJsonObject header;
    for (const HeaderRule& rule : header_rules)
        header.insert(QLatin1String(rule.name), (conf.*rule.holds)());
    header.insert(QStringLiteral("max_axle_distance"),
                  max_axle_distance_name(conf.check_max_axle_distance()));
    json.insert(QStringLiteral("header"), header);

    json.insert(QStringLiteral("stopped_at_line"),
                conf.stopped_at_line() > 0 ? QJsonValue(conf.stopped_at_line()) : QJsonValue());
    const QString round_trip = conf.round_trip_problem();
    json.insert(QStringLiteral("round_trip"),
                round_trip.isEmpty() ? QJsonValue() : QJsonValue(round_trip));
    stopped_text = conf.stopped_line_text();
    json.insert(QStringLiteral("dropped_keys"), dropped_keys_of(conf));

    // A file read only in part, one with keys a save would leave out, or one whose text would
    // not read back, is not clean either: saving it would lose or change what the file holds.
    is_clean = check.outcome == Conf::SaveOutcome::save_ok && invalid.isEmpty() &&
               conf.stopped_at_line() == 0 && conf.dropped_keys().isEmpty() && round_trip.isEmpty();
}

QString CheckReport::to_text(const QString& file_name) const
{
    QStringList lines;
    lines << file_name;
    lines << QStringLiteral("subclasses: %1").arg(json.value("subclasses").toArray().size());

    const QJsonObject header = json.value("header").toObject();
    QStringList failing;
    for (const HeaderRule& rule : header_rules) {
        if (!header.value(QLatin1String(rule.name)).toBool())
            failing << QLatin1String(rule.key);
    }
    const QString max_state = header.value("max_axle_distance").toString();
    if (max_state == QLatin1String("invalid"))
        failing << QStringLiteral("max_axle_distance__m");
    lines << (failing.isEmpty()
                  ? QStringLiteral("header: every rule holds")
                  : QStringLiteral("header rules failing: ") + failing.join(QStringLiteral(", ")));
    if (max_state == QLatin1String("lower_than_subclasses"))
        lines << QStringLiteral("header: max_axle_distance__m is lower than some subclasses");

    lines << QStringLiteral("invalid subclasses: ") +
                 numbers_text(json.value("invalid_subclasses").toArray());
    const QJsonObject reasons = json.value("reasons").toObject();
    for (const QJsonValue& number : json.value("invalid_subclasses").toArray()) {
        const QString key = QString::number(quint32(number.toDouble()));
        for (const QJsonValue& reason : reasons.value(key).toArray())
            lines << QStringLiteral("  subclass %1: %2")
                         .arg(key, reason.toObject().value("message").toString());
    }
    const QString duplicates = json.value("duplicates").toString();
    lines << QStringLiteral("duplicates: ") +
                 (duplicates.isEmpty() ? QStringLiteral("none") : duplicates);

    const QJsonObject save_check = json.value("save_check").toObject();
    const QString outcome = save_check.value("outcome").toString();
    if (outcome == QLatin1String("subclass_incomplete"))
        lines << QStringLiteral("save check: subclass %1 is incomplete")
                     .arg(quint32(save_check.value("subclass").toDouble()));
    else if (outcome == QLatin1String("header_invalid"))
        lines << QStringLiteral("save check: the header is invalid");
    else
        lines << QStringLiteral("save check: would save");

    const QJsonValue round_trip = json.value("round_trip");
    lines << QStringLiteral("round trip: ") + (round_trip.isNull()
                                                   ? QStringLiteral("reads back unchanged")
                                                   : round_trip.toString());
    const QJsonValue stopped = json.value("stopped_at_line");
    lines << (stopped.isNull() ? QStringLiteral("reading: the whole file was read")
                               : QStringLiteral("reading: stopped at line %1: \"%2\"")
                                     .arg(stopped.toInt())
                                     .arg(stopped_text));
    lines << QStringLiteral("dropped keys: ") +
                 dropped_keys_text(json.value("dropped_keys").toArray());
    lines << (is_clean ? QStringLiteral("result: clean") : QStringLiteral("result: not clean"));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
