// The model on large configurations: reading, writing and the checks, at each size, with the
// floor that any reader of the same file pays.
#include "benchfiles.h"
#include "cases.h"
#include "goals.h"
#include "peakmemory.h"

#include <QByteArray>
#include <QFile>
#include <QFileInfo>
#include <QList>

#include <benchmark/benchmark.h>

#include <functional>
#include <optional>
#include <string>

namespace {

using Duplicates = BenchFiles::Duplicates;

BenchFiles& files()
{
    return BenchFiles::instance();
}

std::string name(const char* what, int subclasses)
{
    return std::string(what) + "/" + std::to_string(subclasses);
}

void add(const std::string& name, int subclasses, std::function<void(benchmark::State&)> body)
{
    benchmark::RegisterBenchmark(name.c_str(), std::move(body))
        ->Unit(subclasses >= 10000 ? benchmark::kMillisecond : benchmark::kMicrosecond);
}

void read_lines(benchmark::State& state, int subclasses)
{
    const QString& path = files().path(subclasses);
    for (auto _ : state) {
        std::optional<QList<QByteArray>> lines;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            state.SkipWithError("cannot open the generated file");
            return;
        }
        lines.emplace(file.readAll().split('\n'));
        benchmark::DoNotOptimize(lines->size());
        state.PauseTiming();
        lines.reset();
        state.ResumeTiming();
    }
}

void load(benchmark::State& state, int subclasses)
{
    const QString& path = files().path(subclasses);
    for (auto _ : state) {
        std::optional<Conf> conf;
        conf.emplace(path);
        benchmark::DoNotOptimize(conf->subclass_count());
        // Freeing the configuration is not part of reading it.
        state.PauseTiming();
        conf.reset();
        state.ResumeTiming();
    }
}

// `vorlan-conf check` of the file in a process of its own: its peak memory (resident set)
// against the size of the file.
void check_peak_memory(benchmark::State& state, int subclasses)
{
    const QString& path = files().path(subclasses);
    for (auto _ : state) {
        const qint64 peak = peak_memory_of({QStringLiteral(VORLAN_CONF), "check", path});
        if (peak < 0) {
            state.SkipWithError("vorlan-conf check did not run");
            return;
        }
        state.counters["peak_bytes"] = double(peak);
    }
    state.counters["file_bytes"] = double(QFileInfo(path).size());
}

template <typename Operation>
void on_conf(benchmark::State& state, int subclasses, Duplicates duplicates, Operation operation)
{
    const Conf& conf = files().conf(subclasses, duplicates);
    for (auto _ : state) {
        auto result = operation(conf);
        benchmark::DoNotOptimize(result);
    }
}

void register_size(int subclasses)
{
    add(name("read_lines", subclasses), subclasses,
        [=](benchmark::State& state) { read_lines(state, subclasses); });
    add(name("load", subclasses), subclasses,
        [=](benchmark::State& state) { load(state, subclasses); });
    benchmark::RegisterBenchmark(
        name("check_peak_memory", subclasses).c_str(),
        [=](benchmark::State& state) { check_peak_memory(state, subclasses); })
        ->Iterations(1)
        ->Unit(benchmark::kMillisecond);

    const auto model = [&](const char* what, auto operation,
                           Duplicates duplicates = Duplicates::some) {
        std::string case_name = what;
        if (duplicates == Duplicates::none)
            case_name += "/distinct";
        add(name(case_name.c_str(), subclasses), subclasses,
            [=](benchmark::State& state) { on_conf(state, subclasses, duplicates, operation); });
    };
    model("to_text", [](const Conf& conf) { return conf.to_text(); });
    model("write_to_file",
          [](const Conf& conf) { return conf.write_to_file(files().scratch_path()); });
    model("validate_for_saving", [](const Conf& conf) { return conf.validate_for_saving(); });
    model("invalid_subclass_numbers",
          [](const Conf& conf) { return conf.invalid_subclass_numbers(); });
    model("check_max_axle_distance",
          [](const Conf& conf) { return conf.check_max_axle_distance(); });

    const auto fast = [](const Conf& conf) { return conf.find_duplicate_subclasses(); };
    const auto pairwise = [](const Conf& conf) {
        return conf.find_duplicate_subclasses_pairwise();
    };
    model("find_duplicate_subclasses", fast);
    // The pairwise search is quadratic: it is only there to compare with, at moderate sizes.
    const bool compare = subclasses == 1000 || subclasses == 10000;
    if (compare)
        model("find_duplicate_subclasses_pairwise", pairwise);
    // Without duplicates every pair is compared: the case of every Save that goes through.
    if (compare || subclasses == 100000)
        model("find_duplicate_subclasses", fast, Duplicates::none);
    if (compare)
        model("find_duplicate_subclasses_pairwise", pairwise, Duplicates::none);
}

} // namespace

void register_model_benchmarks()
{
    for (int subclasses : {100, 1000, 10000, 100000})
        register_size(subclasses);

    add_goal({"load within 8x the floor", "load/10000", "read_lines/10000", 8.0, false});
    for (const char* size : {"10000", "100000"}) {
        const std::string check = std::string("check_peak_memory/") + size + "/iterations:1";
        add_goal(CounterGoal{std::string("vorlan-conf check peaks within 8x the file at ") + size,
                             check, "peak_bytes", "file_bytes", 8.0});
    }
    add_goal({"to_text within 2x the load", "to_text/10000", "load/10000", 2.0, false});
    add_goal({"duplicate search at least 100x faster than pairwise, no duplicates",
              "find_duplicate_subclasses_pairwise/distinct/10000",
              "find_duplicate_subclasses/distinct/10000", 100.0, true});
}
