// The table analyses: measured vehicles classified from a file, overlapping subclasses and the
// spacings no subclass covers.
#include "benchfiles.h"
#include "cases.h"
#include "goals.h"

#include "vehiclegenerator.h"

#include "model/classificationtally.h"
#include "model/coveragegaps.h"
#include "model/overlaps.h"
#include "model/vehicleclassifier.h"
#include "model/vehiclereader.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>

namespace {

// The table vehicles are classified against, as a site of some size would have.
constexpr int classified_subclasses = 200;

BenchFiles& files()
{
    return BenchFiles::instance();
}

const Conf& table(int subclasses)
{
    static std::map<int, std::unique_ptr<Conf>> tables;
    auto& conf = tables[subclasses];
    if (!conf)
        conf = std::make_unique<Conf>(files().path(subclasses, BenchFiles::Duplicates::none));
    return *conf;
}

const Conf& sample_site()
{
    static const Conf conf(QStringLiteral(VORLAN_EXAMPLES "/motorway-site.conf"));
    return conf;
}

// Vehicles drawn from the classified table, 2% of them noise, written once per count.
const QString& vehicle_file(qint64 records)
{
    static std::map<qint64, QString> paths;
    auto it = paths.find(records);
    if (it != paths.end())
        return it->second;
    const QString path = files().file_path(QStringLiteral("vehicles-%1.csv").arg(records));
    VehicleGenerator generator(table(classified_subclasses), VehicleGeneratorOptions());
    const int columns = generator.largest_axle_count();
    QFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    QByteArray out = vehicle_csv_header(columns);
    for (qint64 i = 0; written && i < records; ++i) {
        out += vehicle_csv_line(generator.next(), columns);
        if (out.size() > 1 << 20 || i + 1 == records) {
            written = file.write(out) == out.size();
            out.clear();
        }
    }
    if (!written) {
        std::fprintf(stderr, "vorlan_bench: cannot write %s\n", qPrintable(path));
        std::exit(2);
    }
    return paths.emplace(records, path).first->second;
}

enum class Work
{
    read_only,
    classify,
    plain_loop
};

// One pass over the file, as `vorlan-conf classify` makes it: read, classify, tally.
void run_vehicles(benchmark::State& state, qint64 records, Work work)
{
    const QString& path = vehicle_file(records);
    const VehicleClassifier classifier(table(classified_subclasses));
    for (auto _ : state) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot open the vehicle file");
            return;
        }
        VehicleReader reader(file, VehicleUnits());
        ClassificationTally tally(classifier);
        VehicleRecord record;
        VehicleOutcome outcome;
        for (VehicleReader::Status status;
             (status = reader.next(record)) != VehicleReader::Status::end;) {
            if (status == VehicleReader::Status::unreadable || work == Work::read_only)
                continue;
            if (work == Work::classify)
                classifier.classify(record, outcome);
            else
                classifier.classify_plainly(record, outcome);
            tally.add(record, outcome);
        }
        benchmark::DoNotOptimize(tally.matched_alone());
    }
    state.SetItemsProcessed(state.iterations() * records);
}

void add(const std::string& name, benchmark::TimeUnit unit,
         std::function<void(benchmark::State&)> body)
{
    benchmark::RegisterBenchmark(name.c_str(), std::move(body))->Unit(unit);
}

} // namespace

void register_analysis_benchmarks()
{
    for (qint64 records : {qint64(100), qint64(1000000)}) {
        const std::string size = "/" + std::to_string(records);
        const auto unit = records > 1000 ? benchmark::kMillisecond : benchmark::kMicrosecond;
        add("vehicles_read" + size, unit,
            [=](benchmark::State& state) { run_vehicles(state, records, Work::read_only); });
        add("classify" + size, unit,
            [=](benchmark::State& state) { run_vehicles(state, records, Work::classify); });
        add("classify_plain_loop" + size, unit,
            [=](benchmark::State& state) { run_vehicles(state, records, Work::plain_loop); });
    }
    for (int subclasses : {100, 10000}) {
        add("find_overlaps/" + std::to_string(subclasses), benchmark::kMillisecond,
            [=](benchmark::State& state) {
                const Conf& conf = table(subclasses);
                for (auto _ : state)
                    benchmark::DoNotOptimize(find_overlaps(conf).overlaps.size());
            });
    }
    add("find_gaps/100", benchmark::kMillisecond, [](benchmark::State& state) {
        const Conf& conf = table(100);
        for (auto _ : state)
            benchmark::DoNotOptimize(find_gaps(conf).uncovered.size());
    });
    add("find_gaps/sample_site", benchmark::kMillisecond, [](benchmark::State& state) {
        for (auto _ : state)
            benchmark::DoNotOptimize(find_gaps(sample_site()).uncovered.size());
    });

    add_goal({"classify faster than the plain loop over all subclasses",
              "classify_plain_loop/1000000", "classify/1000000", 1.0, true});
    add_goal({"classify within 2x reading the vehicles alone", "classify/1000000",
              "vehicles_read/1000000", 2.0, false});
}
