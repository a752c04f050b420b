#pragma once

#include "model/vehiclereader.h"
#include "model/vehiclerecord.h"

#include <QPair>
#include <QString>
#include <QVector>

#include <functional>

class ClassificationTally;
class QIODevice;
class VehicleClassifier;

// Measured vehicles held in memory, so that they can be run through the table again after each
// change of it: the readable records up to a limit, and the unreadable ones counted with the
// first few kept. A record takes about half a kilobyte, so the limit keeps a large file from
// taking the machine's memory; the command-line classifier streams files of any size.
class VehicleSample
{
public:
    static constexpr int default_limit = 200000;

    enum class Outcome
    {
        complete,
        limited,   // the limit was reached; the records after it were not read
        cancelled, // progress said to stop
        unreadable // the file as a whole cannot be read as vehicles: problem() says why
    };
    // Told how far the reading has come, in bytes of the device; returns false to stop it.
    // total is 0 when the device's size is not known.
    using Progress = std::function<bool(qint64 done, qint64 total)>;

    Outcome read(QIODevice& device, const VehicleUnits& units, const Progress& progress = {},
                 int limit = default_limit);

    const QVector<VehicleRecord>& records() const { return vehicles; }
    qint64 unreadable() const { return unreadable_count; }
    VehicleReader::Format format() const { return file_format; }
    const QString& problem() const { return file_problem; }
    // The line of the last record read when the limit was reached, otherwise 0.
    qint64 limited_at_line() const { return limit_line; }
    bool has_truth() const { return truth; }
    bool has_scheme_classes() const { return scheme; }

    // Every record through the classifier, the unreadable ones counted as a streamed run
    // counts them.
    ClassificationTally classify(const VehicleClassifier& classifier) const;

private:
    QVector<VehicleRecord> vehicles;
    QVector<QPair<qint64, QString>> first_unreadable;
    qint64 unreadable_count = 0;
    VehicleReader::Format file_format = VehicleReader::Format::unknown;
    QString file_problem;
    qint64 limit_line = 0;
    bool truth = false;
    bool scheme = false;
};
