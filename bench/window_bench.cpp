// SPDX-License-Identifier: MIT
// What a person's actions cost in the window model: Calculate for every calculator in both unit
// systems, choosing a calculator, a unit switch and Clear All.
//
// Calculate is measured on windows whose inputs were typed beforehand, so each timed call is
// the first Calculate on its window: the number of plungers typed as 2.5 is rewritten to 2,
// the change rule empties the answers, and every answer and equivalent is written anew.
#include "window/window.h"

#include <benchmark/benchmark.h>

#include <functional>
#include <memory>
#include <utility>
#include <vector>

namespace liftcalc {
namespace {

// Message boxes close at once and are forgotten.
class QuietHost : public WindowHost {
public:
    void showMessage(const MessageBox &) override {}
};

using Inputs = std::vector<std::pair<int, const char *>>;

struct Case {
    const char *name;
    MenuItem item;
    bool metric;
    Inputs inputs;
};

// Worked figures: 10 in (254 mm), 20,000 lb (9,071.8 kg), 254.648 psi (17.558 bar), 100 fpm
// (0.508 m/s), 408 gpm (25.741 l/s); two plungers, typed as 2.5.
const std::vector<Case> kCases{
    {"StaticPressure/imperial", MenuItem::mnuStaticPressure, false, {{0, "10"}, {2, "20000"}}},
    {"StaticPressure/metric", MenuItem::mnuStaticPressure, true, {{6, "254"}, {7, "9071.8"}}},
    {"FlowRate/imperial", MenuItem::mnuFlowRate, false, {{0, "10"}, {11, "100"}}},
    {"FlowRate/metric", MenuItem::mnuFlowRate, true, {{6, "254"}, {12, "0.508"}}},
    {"PlungerDisplacement/imperial",
     MenuItem::mnuPlungerDisplacement,
     false,
     {{0, "10"}, {11, "100"}}},
    {"PlungerDisplacement/metric",
     MenuItem::mnuPlungerDisplacement,
     true,
     {{6, "254"}, {12, "0.508"}}},
    {"Load/imperial", MenuItem::mnuLoad, false, {{0, "10"}, {3, "254.648"}}},
    {"Load/metric", MenuItem::mnuLoad, true, {{6, "254"}, {8, "17.558"}}},
    {"DiameterOfPlunger/imperial",
     MenuItem::mnuDiameterofPlunger,
     false,
     {{2, "20000"}, {3, "254.648"}}},
    {"DiameterOfPlunger/metric",
     MenuItem::mnuDiameterofPlunger,
     true,
     {{7, "9071.8"}, {8, "17.558"}}},
    {"RatedLoadSpeed/imperial", MenuItem::mnuRatedLoadSpeed, false, {{0, "10"}, {4, "408"}}},
    {"RatedLoadSpeed/metric", MenuItem::mnuRatedLoadSpeed, true, {{6, "254"}, {9, "25.741"}}},
};

// Windows prepared in batches outside the timing, so that every timed action meets a window
// in the state a person would leave it in; the pause is paid once per batch.
class WindowBatch {
public:
    using Prepare = std::function<void(Window &)>;
    explicit WindowBatch(Prepare prepare) : prepare_(std::move(prepare)) {}

    Window &next(benchmark::State &state) {
        if (used_ == windows_.size()) {
            state.PauseTiming();
            windows_.clear();
            for (int i = 0; i < kBatch; ++i) {
                windows_.push_back(std::make_unique<Window>(host_, NumberFormat::english()));
                windows_.back()->start();
                prepare_(*windows_.back());
            }
            used_ = 0;
            state.ResumeTiming();
        }
        return *windows_[used_++];
    }

private:
    static constexpr int kBatch = 512;
    QuietHost host_;
    Prepare prepare_;
    std::vector<std::unique_ptr<Window>> windows_;
    std::size_t used_ = 0;
};

void type(Window &w, int field, const char *text) {
    w.clickField(field);
    w.editField(field, text, 1 << 30);
}

void calculate(benchmark::State &state, const Case &c) {
    WindowBatch batch([&c](Window &w) {
        if (c.metric)
            w.click(ControlId::optMetric);
        w.chooseMenu(c.item);
        type(w, 1, "2.5");
        for (auto [field, text] : c.inputs)
            type(w, field, text);
    });
    for (auto _ : state)
        batch.next(state).cmdCalculate_Click();
}

// Each choice runs the whole menu handler: every field emptied, the new arrangement set up.
void chooseCalculator(benchmark::State &state) {
    QuietHost host;
    Window w(host, NumberFormat::english());
    w.start();
    const MenuItem items[] = {MenuItem::mnuFlowRate,
                              MenuItem::mnuLoad,
                              MenuItem::mnuDiameterofPlunger,
                              MenuItem::mnuRatedLoadSpeed,
                              MenuItem::mnuPlungerDisplacement,
                              MenuItem::mnuStaticPressure};
    std::size_t i = 0;
    for (auto _ : state)
        w.chooseMenu(items[i++ % std::size(items)]);
}

// Every click is a real switch, with the nested run the option button's Value raises.
void switchUnits(benchmark::State &state) {
    QuietHost host;
    Window w(host, NumberFormat::english());
    w.start();
    bool metric = false;
    for (auto _ : state) {
        metric = !metric;
        w.click(metric ? ControlId::optMetric : ControlId::optImperial);
    }
}

// Clear All on a window just calculated: inputs and answers emptied through the change rule.
void clearAll(benchmark::State &state) {
    WindowBatch batch([](Window &w) {
        type(w, 0, "10");
        type(w, 1, "1");
        type(w, 2, "20000");
        w.cmdCalculate_Click();
    });
    for (auto _ : state)
        batch.next(state).cmdClear_Click();
}

[[maybe_unused]] const bool registered = [] {
    for (const auto &c : kCases)
        benchmark::RegisterBenchmark(("Calculate/" + std::string(c.name)).c_str(), calculate, c);
    benchmark::RegisterBenchmark("ChooseCalculator", chooseCalculator);
    benchmark::RegisterBenchmark("UnitSwitch", switchUnits);
    benchmark::RegisterBenchmark("ClearAll", clearAll);
    return true;
}();

} // namespace
} // namespace liftcalc
