// SPDX-License-Identifier: MIT
// The test record's PDF of a hundred entries, laid out, drawn, and its file attached, as
// `liftcalc record pdf` and the record window's Export PDF make it.
#include "pdf/record_pdf.h"
#include "record/record_file.h"

#include <QGuiApplication>
#include <benchmark/benchmark.h>

namespace liftcalc {
namespace {

record::Record hundredEntries() {
    record::Record r = record::newRecord("6f1c0a2b-1d2e-4f3a-8b9c-0d1e2f3a4b5c",
                                         "2026-03-27T09:14:00+01:00", "2026-03-27", "liftcalc");
    r.lift.deviceId = "E-12345";
    r.visit.kind = "Annual";
    for (int i = 0; i < 100; ++i) {
        record::Entry entry;
        entry.time = "2026-03-27T09:31:05+01:00";
        entry.calculated.check = &checks::reliefSetting;
        entry.figures = {{"full_load_pressure_psi", 288.595 + i},
                         {"full_load_pressure_bar", 19.899},
                         {"relief_setting_psi", 420},
                         {"relief_setting_bar", 28.959},
                         {"share_pct", 145.533}};
        entry.context = "car at top landing, rated load";
        entry.verdict = record::Verdict::pass;
        record::addEntry(r, std::move(entry));
    }
    return r;
}

void RecordPdf(benchmark::State &state) {
    static int argc = 1;
    static char name[] = "liftcalc_pdf_bench";
    static char *argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    const record::Record r = hundredEntries();
    const std::string file = record::recordJson(r);
    const pdf::RecordPages pages{r,
                                 file,
                                 "visit.liftrec",
                                 NumberFormat::english(),
                                 pdf::Paper::a4,
                                 QStringLiteral("2026-03-27")};
    for (auto _ : state)
        benchmark::DoNotOptimize(pdf::recordPdf(pages));
    state.SetLabel("100 entries");
}
BENCHMARK(RecordPdf)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace liftcalc
