// SPDX-License-Identifier: MIT
// Pressure hold: the share of the starting pressure lost over the hold, negative for a rise
// (oil warming up). The end reading may be 0: everything was lost.
#include "calculators/checks.h"

namespace liftcalc {
namespace {

constexpr CheckRow kInputs[] = {
    {"Pressure at the start", "start-pressure", &units::pressure},
    {"Pressure at the end", "end-pressure", &units::pressure, Rule::zeroOrMore},
};
constexpr CheckRow kAnswers[] = {{"Pressure lost", "lost", &units::percent}};

std::variant<CheckAnswers, CheckRefusal> compute(const CheckInputs &in, UnitSystem) {
    const double start = in[0];
    const double end = in[1];
    return CheckAnswers{(start - end) / start * 100};
}

} // namespace

const Check checks::pressureHold{
    "Pressure hold",
    "hold",
    kInputs,
    kAnswers,
    &compute,
    "lost = (start-pressure - end-pressure) / start-pressure x 100",
    "",
    {"Start, end: the gauge over the hold, valves shut, car at rest; oil warming up raises it.",
     "Lost = (start - end) / start x 100.", ""}};

} // namespace liftcalc
