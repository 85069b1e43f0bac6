// SPDX-License-Identifier: MIT
// Opening and saving a test record of 1,000 entries: reading the file's text (each entry
// calculated again) and writing it, and saving it to a file beside the old one, flushed to disk.
#include "calculators/figures.h"
#include "cli/record_file.h"
#include "record/record_file.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace liftcalc {
namespace {

constexpr int kEntries = 1000;

// Entries of a check and of a calculator in turn, each with a context and a note.
record::Record thousandEntries() {
    const NumberFormat english = NumberFormat::english();
    record::Record r = record::newRecord("6f1c2a4e-8a51-4c1b-9a0e-3d2f5b7c9e10",
                                         "2026-03-27T09:14:00+01:00", "2026-03-27", "liftcalc");
    for (int i = 0; i < kEntries; ++i) {
        const std::string figure = std::to_string(200 + i) + ".5";
        record::Entry entry =
            i % 2 ? record::entryOf(
                        checks::reliefSetting, UnitSystem::imperial,
                        figuresOf(checks::reliefSetting, UnitSystem::imperial,
                                  {{"full-load-pressure", figure}, {"relief-setting", "420"}},
                                  english)
                            .texts,
                        english, "2026-03-27T09:31:05+01:00")
                  : record::entryOf(
                        calculators::loadOnPlungers, UnitSystem::metric,
                        figuresOf(calculators::loadOnPlungers, UnitSystem::metric,
                                  {{"diameter", "114.3"}, {"plungers", "2"}, {"pressure", figure}},
                                  english)
                            .texts,
                        english, "2026-03-27T09:31:05+01:00");
        entry.context = "car at top landing, rated load";
        entry.note = "entry " + std::to_string(i);
        record::addEntry(r, std::move(entry));
    }
    return r;
}

void RecordOpen(benchmark::State &state) {
    const std::string json = record::recordJson(thousandEntries());
    for (auto _ : state)
        benchmark::DoNotOptimize(record::readRecord(json));
    state.counters["bytes"] = static_cast<double>(json.size());
}
BENCHMARK(RecordOpen)->Unit(benchmark::kMillisecond);

void RecordWrite(benchmark::State &state) {
    const record::Record r = thousandEntries();
    for (auto _ : state)
        benchmark::DoNotOptimize(record::recordJson(r));
}
BENCHMARK(RecordWrite)->Unit(benchmark::kMillisecond);

// The save as the program makes it: written, flushed to the disk, renamed into place.
void RecordSave(benchmark::State &state) {
    const record::Record r = thousandEntries();
    const auto path = std::filesystem::temp_directory_path() / "liftcalc-bench.liftrec";
    for (auto _ : state)
        if (cli::saveAtomically(path.string(), record::recordJson(r)))
            state.SkipWithError("the save failed");
    std::filesystem::remove(path);
}
BENCHMARK(RecordSave)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace liftcalc
