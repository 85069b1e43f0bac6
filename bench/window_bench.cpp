// SPDX-License-Identifier: MIT
// What a person's actions cost in the window model: Calculate for every calculator in both unit
// systems, choosing a calculator, a unit switch and Clear All.
//
// Calculate (Enter in the last input) is measured on windows whose inputs were typed
// beforehand, so each timed call is the first Calculate on its window: the number of plungers typed
// as 2.5 is rewritten to 2, the change rule empties the answers, and every answer and equivalent is
// written anew.
#include "window/actions.h"

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

// Worked figures: 10 in (254 mm), 20,000 lb (9,071.8 kg), 254.648 psi (17.558 bar), 100 fpm
// (0.508 m/s), 408 gpm (25.741 l/s); two plungers, typed as 2.5.
const char *workedFigure(int field) {
    using namespace fields;
    switch (field) {
    case diameterIn:
        return "10";
    case diameterMm:
        return "254";
    case loadLb:
        return "20000";
    case loadKg:
        return "9071.8";
    case pressurePsi:
        return "254.648";
    case pressureBar:
        return "17.558";
    case speedFpm:
        return "100";
    case speedMps:
        return "0.508";
    case flowGpm:
        return "408";
    case flowLps:
        return "25.741";
    default:
        return "2.5";
    }
}

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
    perform(w, TypeInto{field, text});
}

void calculate(benchmark::State &state, const Calculator *calculator, UnitSystem units) {
    WindowBatch batch([=](Window &w) {
        if (units == UnitSystem::metric)
            w.click(ControlId::optMetric);
        w.chooseMenu(menuItemOf(*calculator));
        for (std::size_t i = 0; i < calculator->inputs.size(); ++i) {
            const int field = calculator->inputField(i, units);
            type(w, field, workedFigure(field));
        }
    });
    for (auto _ : state)
        batch.next(state).pressEnter();
}

// Each choice runs the whole menu handler: every field emptied, the new arrangement set up.
void chooseCalculator(benchmark::State &state) {
    QuietHost host;
    Window w(host, NumberFormat::english());
    w.start();
    std::size_t i = 1;
    for (auto _ : state)
        w.chooseMenu(menuItemOf(*calculators::kAll[i++ % calculators::kAll.size()]));
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
        w.pressEnter();
    });
    for (auto _ : state)
        batch.next(state).click(ControlId::cmdClear);
}

[[maybe_unused]] const bool registered = [] {
    for (const Calculator *c : calculators::kAll)
        for (auto [units, name] :
             {std::pair{UnitSystem::imperial, "imperial"}, std::pair{UnitSystem::metric, "metric"}})
            benchmark::RegisterBenchmark(
                ("Calculate/" + std::string(c->menu.name) + "/" + name).c_str(), calculate, c,
                units);
    benchmark::RegisterBenchmark("ChooseCalculator", chooseCalculator);
    benchmark::RegisterBenchmark("UnitSwitch", switchUnits);
    benchmark::RegisterBenchmark("ClearAll", clearAll);
    return true;
}();

} // namespace
} // namespace liftcalc
