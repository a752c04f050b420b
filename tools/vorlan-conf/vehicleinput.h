#pragma once

#include "model/vehiclereader.h"

#include <QFile>

#include <memory>

class Conf;
struct Arguments;

// The vehicle file a command reads: a path, or "-" for standard input, in the units that
// --length-unit and --weight-unit give.
class VehicleInput
{
public:
    // False with a problem when the file cannot be opened or the units cannot be used (tonnes
    // and kilograms need the table's g to be a positive number when it has one).
    bool open(const QString& path, const Arguments& arguments, const Conf& conf, QString& problem);
    VehicleReader& reader() { return *vehicle_reader; }

private:
    QFile file;
    std::unique_ptr<VehicleReader> vehicle_reader;
};
