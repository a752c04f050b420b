#pragma once

#include "model/vehiclerecord.h"
#include "model/vehicleunits.h"

#include <QByteArray>
#include <QString>
#include <QVector>

class QIODevice;

// Reads measured vehicles one record at a time from a file or a stream, in constant memory.
//
// Two formats, told apart by the first non-blank line:
// - CSV with a header row naming the columns axles, spacing_1..spacing_19, weight_1..weight_20,
//   gvw, tyre_1..tyre_20 and truth (others are ignored; an empty cell is not measured), in the
//   units given (metres and kN unless said otherwise);
// - the fixed-width per-vehicle weight records of traffic monitoring ("W" in column 1): vehicle
//   class in columns 22-23, gross weight in pounds in 27-32, the axle count in 33-34, then per
//   axle k its weight in pounds in the 5 columns from 35 + 9(k - 1) and, except after the last
//   axle, the spacing to the next axle in tenths of feet in the 4 columns that follow; up to 13
//   axles. Read as feet and pounds whatever units were given.
class VehicleReader
{
public:
    enum class Format
    {
        unknown, // nothing but blank lines read so far
        csv,
        traffic_monitoring
    };
    enum class Status
    {
        record,
        unreadable, // problem() says why; the record's line is set
        end
    };

    VehicleReader(QIODevice& device, const VehicleUnits& units);

    Status next(VehicleRecord& record);
    // Why the last record could not be read.
    const QString& problem() const { return record_problem; }
    Format format() const { return file_format; }
    // Set when the file as a whole cannot be read as vehicles (a CSV header without an axles
    // column, a device that cannot be read); next() then gives end.
    const QString& file_problem() const { return whole_problem; }

private:
    enum class Column
    {
        ignored,
        axles,
        spacing,
        weight,
        gvw,
        tyre,
        truth
    };
    struct Role
    {
        Column column = Column::ignored;
        int index = 0; // from 0 for spacings, weights and tyres
    };

    // The name of a cell in messages, made only when a message needs it.
    struct CellName
    {
        const char* pattern; // with %1 for the number, %2 and %3 for the columns
        int number = 0;
        int first = 0;
        int last = 0;
        QString text() const;
    };

    bool read_line();
    void read_header();
    bool read_csv(VehicleRecord& record);
    bool read_traffic_monitoring(VehicleRecord& record);
    bool store_spacing(VehicleRecord& record, int index, double metres, const CellName& name,
                       const char* text, int length);
    bool set_weight(double& written, float& read, const char* text, int length,
                    const CellName& name, const VehicleUnits& in);
    bool set_gvw(VehicleRecord& record, const char* text, int length, const CellName& name,
                 const VehicleUnits& in);
    bool fail(const QString& problem);

    QIODevice& device;
    VehicleUnits units;
    Format file_format = Format::unknown;
    QByteArray line;
    qint64 line_number = 0;
    bool line_too_long = false;
    QVector<Role> roles;
    quint32 spacing_columns = 0; // bit i: the header names spacing_(i + 1)
    QString record_problem;
    QString whole_problem;
};
