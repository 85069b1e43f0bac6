// SPDX-License-Identifier: MIT
// Pressure at a share of full load: what a test at, say, 140 % or 200 % of the full-load
// pressure must reach. The share has no upper limit here: tests go beyond 100 %.
#include "calculators/checks.h"

namespace liftcalc {
namespace {

constexpr CheckRow kInputs[] = {
    checks::kFullLoadPressure,
    {"Share of full load", "share", &units::percent},
};
constexpr CheckRow kAnswers[] = {{"Test pressure", "pressure", &units::pressure}};

std::variant<CheckAnswers, CheckRefusal> compute(const CheckInputs &in, UnitSystem) {
    const double fullLoad = in[0];
    const double share = in[1];
    return CheckAnswers{fullLoad * share / 100};
}

} // namespace

const Check checks::pressureAtShare{
    "Pressure at a share of full load",
    "test-pressure",
    kInputs,
    kAnswers,
    &compute,
    "pressure = full-load-pressure x share / 100",
    "",
    {"Full-load pressure: jack-side gauge, car at rest with the rated load.",
     "Test pressure = full-load pressure x share / 100.", ""}};

} // namespace liftcalc
