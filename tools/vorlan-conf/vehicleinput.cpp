#include "vehicleinput.h"

#include "commandline.h"

#include "model/conf.h"

#include <QtNumeric>

#include <cstdio>

namespace {

bool read_units(const Arguments& arguments, const Conf& conf, VehicleUnits& units, QString& problem)
{
    const QString length = arguments.values.value(QStringLiteral("--length-unit"), "m");
    const QString weight = arguments.values.value(QStringLiteral("--weight-unit"), "kN");
    if (!VehicleUnits::parse_length(length, units.length)) {
        problem = QStringLiteral("--length-unit %1: not m, cm or ft").arg(length);
        return false;
    }
    if (!VehicleUnits::parse_weight(weight, units.weight)) {
        problem = QStringLiteral("--weight-unit %1: not kN, t, kg or lb").arg(weight);
        return false;
    }
    const QString g = conf.get_g_acceleration_constant();
    if (g.isEmpty())
        return true;
    const float value = g.toFloat();
    if (value > 0 && qIsFinite(value)) {
        units.g = value;
        return true;
    }
    if (units.weight == VehicleUnits::Weight::t || units.weight == VehicleUnits::Weight::kg) {
        problem = QStringLiteral("--weight-unit %1 needs the table's g_acceleration_constant, "
                                 "which is \"%2\", not a positive number")
                      .arg(weight, g);
        return false;
    }
    return true;
}

} // namespace

bool VehicleInput::open(const QString& path, const Arguments& arguments, const Conf& conf,
                        QString& problem)
{
    VehicleUnits units;
    if (!read_units(arguments, conf, units, problem))
        return false;
    if (path == QLatin1String("-")) {
        if (!file.open(stdin, QIODevice::ReadOnly)) {
            problem = QStringLiteral("standard input cannot be read");
            return false;
        }
    } else {
        problem = unreadable(path);
        if (!problem.isEmpty())
            return false;
        file.setFileName(path);
        file.open(QIODevice::ReadOnly);
    }
    vehicle_reader = std::make_unique<VehicleReader>(file, units);
    return true;
}
