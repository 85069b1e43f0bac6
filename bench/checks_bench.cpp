// SPDX-License-Identifier: MIT
// What Calculate costs in the field checks window, for every check in both unit systems: the
// inputs are typed beforehand, so each timed call reads them, computes and writes every answer
// and equivalent anew (the writes of the previous call are emptied outside the timing).
#include "window/checks_window.h"

#include <benchmark/benchmark.h>

#include <string>

namespace liftcalc {
namespace {

class QuietHost : public MessageHost {
public:
    void showMessage(const MessageBox &) override {}
};

// Figures every input takes in either unit system: above 0, a whole number of plungers, a share
// below 100, a loaded-car pressure above the empty-car one.
std::string figureFor(const CheckRow &row, int index) {
    if (row.rule == Rule::exactWholeNumber)
        return "2";
    return std::to_string(40 + 15 * index) + ".5";
}

void ChecksCalculate(benchmark::State &state) {
    const int index = static_cast<int>(state.range(0));
    const auto units = state.range(1) ? UnitSystem::metric : UnitSystem::imperial;
    QuietHost host;
    ChecksWindow window(host, NumberFormat::english(), units);
    window.chooseCheck(index);
    const Check &check = window.check();
    for (int row = 0; row < static_cast<int>(check.inputs.size()); ++row)
        window.typeInto(window.typedField(row), figureFor(check.inputs[row], row));
    const CheckField firstInput = window.typedField(0);
    const std::string typed = window.field(firstInput).Text;
    for (auto _ : state) {
        window.pressEnter();
        state.PauseTiming();
        window.typeInto(firstInput, "1");
        window.typeInto(firstInput, typed); // the change rule empties the answers
        state.ResumeTiming();
    }
    state.SetLabel(std::string(check.command) + (state.range(1) ? " metric" : " imperial"));
}
BENCHMARK(ChecksCalculate)
    ->ArgsProduct({benchmark::CreateDenseRange(0, static_cast<int>(checks::kAll.size()) - 1, 1),
                   {0, 1}});

} // namespace
} // namespace liftcalc
