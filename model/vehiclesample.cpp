#include "model/vehiclesample.h"

#include "model/classificationtally.h"
#include "model/vehicleclassifier.h"

#include <QIODevice>

VehicleSample::Outcome VehicleSample::read(QIODevice& device, const VehicleUnits& units,
                                           const Progress& progress, int limit)
{
    *this = VehicleSample();
    VehicleReader reader(device, units);
    const qint64 total = device.isSequential() ? 0 : device.size();
    VehicleRecord record;
    for (qint64 read = 1;; ++read) {
        // Often enough for a progress bar and a Cancel button to answer at once.
        if (progress && read % 1024 == 0 && !progress(device.pos(), total))
            return Outcome::cancelled;
        const VehicleReader::Status status = reader.next(record);
        if (status == VehicleReader::Status::end)
            break;
        if (status == VehicleReader::Status::unreadable) {
            if (first_unreadable.size() < ClassificationTally::first_lines_kept)
                first_unreadable.append({record.line, reader.problem()});
            ++unreadable_count;
            continue;
        }
        truth = truth || record.has_truth;
        scheme = scheme || record.scheme_class >= 0;
        vehicles.append(record);
        if (vehicles.size() >= limit) {
            limit_line = record.line;
            break;
        }
    }
    file_format = reader.format();
    file_problem = reader.file_problem();
    if (!file_problem.isEmpty())
        return Outcome::unreadable;
    return limit_line > 0 ? Outcome::limited : Outcome::complete;
}

ClassificationTally VehicleSample::classify(const VehicleClassifier& classifier) const
{
    ClassificationTally tally(classifier);
    VehicleOutcome outcome;
    for (const VehicleRecord& vehicle : vehicles) {
        classifier.classify(vehicle, outcome);
        tally.add(vehicle, outcome);
    }
    for (const auto& [line, problem] : first_unreadable)
        tally.add_unreadable(line, problem);
    // Past the ones kept the tally only counts.
    for (qint64 i = first_unreadable.size(); i < unreadable_count; ++i)
        tally.add_unreadable(0, QString());
    return tally;
}
