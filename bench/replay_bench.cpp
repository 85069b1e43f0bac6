// SPDX-License-Identifier: MIT
// The replay driver's throughput: script lines carried out per second, parsing included, over
// a session that types, calculates, switches units and calculators, tabs and dumps.
#include "replay/replay.h"

#include <benchmark/benchmark.h>

#include <array>
#include <sstream>
#include <string_view>

namespace liftcalc {
namespace {

constexpr std::array<std::string_view, 24> kSession{
    "type 0 10",
    "type 1 1",
    "type 2 20000",
    "click cmdCalculate",
    "key Tab",
    "type 2 25000",
    "key Enter",
    "click optMetric",
    "key Enter",
    "menu mnuFlowRate",
    "type 6 254",
    "type 1 2",
    "type 12 0.508",
    "key Enter",
    "key Ctrl+I",
    "key Enter",
    "menu mnuLoad",
    "type 0 10",
    "type 1 1",
    "type 3 254.648",
    "click cmdCalculate",
    "key Shift+Tab",
    "menu mnuStaticPressure",
    "dump",
};

void replayThroughput(benchmark::State &state) {
    Replay replay(NumberFormat::english());
    std::ostringstream out;
    int line = 0;
    for (auto _ : state) {
        for (std::string_view action : kSession)
            replay.runLine(action, ++line, out);
        out.str({});
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(kSession.size()));
    state.SetLabel("items = replay lines");
}

BENCHMARK(replayThroughput)->Name("Replay/actions");

} // namespace
} // namespace liftcalc
