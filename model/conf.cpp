#include "model/conf.h"

#include "model/countrycodes.h"

#include <QDebug>

Conf::Conf() = default;

void Conf::clear_read_losses()
{
    stopped_line = 0;
    stopped_text.clear();
    dropped.clear();
}

Subclass& Conf::get_subclass(quint32 number)
{
    auto it = subclasses.find(number);
    if (it != subclasses.end())
        return it.value();
    // Callers ask only for subclasses that exist; should one slip through, it must neither
    // crash nor add a subclass to the configuration behind the user's back.
    qWarning() << "get_subclass: no subclass" << number;
    static Subclass scratch;
    scratch = Subclass();
    return scratch;
}

const Subclass& Conf::get_subclass(quint32 number) const
{
    return const_cast<Conf*>(this)->get_subclass(number);
}

void Conf::insert_subclass(quint32 number, const Subclass& subclass)
{
    subclasses.insert(number, subclass);
}

const QStringList& Conf::get_country_codes() const
{
    return country_codes();
}

QString Conf::header_value(const char* key) const
{
    return classes.value(QLatin1String(key));
}

QString Conf::get_classification_version() const
{
    return header_value("classification_version");
}
void Conf::set_classification_version(const QString& value)
{
    classes.insert(QStringLiteral("classification_version"), value);
}

QString Conf::get_country_code() const
{
    return header_value("country_code");
}
void Conf::set_country_code(const QString& value)
{
    classes.insert(QStringLiteral("country_code"), value.toUpper());
}

QString Conf::get_group_max_distance__m() const
{
    return header_value("group_max_distance__m");
}
void Conf::set_group_max_distance__m(const QString& value)
{
    classes.insert(QStringLiteral("group_max_distance__m"), value);
}

QString Conf::get_min_2axle_truck_spacing__m() const
{
    return header_value("min_2axle_truck_spacing__m");
}
void Conf::set_min_2axle_truck_spacing__m(const QString& value)
{
    classes.insert(QStringLiteral("min_2axle_truck_spacing__m"), value);
}

QString Conf::get_min_avg_axle_weight__kN() const
{
    return header_value("min_avg_axle_weight__kN");
}
void Conf::set_min_avg_axle_weight__kN(const QString& value)
{
    classes.insert(QStringLiteral("min_avg_axle_weight__kN"), value);
}

QString Conf::get_max_axle_distance__m() const
{
    return header_value("max_axle_distance__m");
}
void Conf::set_max_axle_distance__m(const QString& value)
{
    classes.insert(QStringLiteral("max_axle_distance__m"), value);
}

QString Conf::get_min_axle_distance__m() const
{
    return header_value("min_axle_distance__m");
}
void Conf::set_min_axle_distance__m(const QString& value)
{
    classes.insert(QStringLiteral("min_axle_distance__m"), value);
}

QString Conf::get_unclassified_vehicle_subclass() const
{
    return header_value("unclassified_vehicle_subclass");
}
void Conf::set_unclassified_vehicle_subclass(const QString& value)
{
    classes.insert(QStringLiteral("unclassified_vehicle_subclass"), value);
}

QString Conf::get_uncategorised_vehicle_category() const
{
    return header_value("uncategorised_vehicle_category");
}
void Conf::set_uncategorised_vehicle_category(const QString& value)
{
    classes.insert(QStringLiteral("uncategorised_vehicle_category"), value);
}

QString Conf::get_g_acceleration_constant() const
{
    return header_value("g_acceleration_constant");
}
void Conf::set_g_acceleration_constant(const QString& value)
{
    classes.insert(QStringLiteral("g_acceleration_constant"), value);
}
