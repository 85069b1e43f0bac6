// SPDX-License-Identifier: MIT
// Relief valve setting as a share of the full-load pressure; the same in either unit system.
#include "calculators/checks.h"

namespace liftcalc {
namespace {

constexpr CheckRow kInputs[] = {
    checks::kFullLoadPressure,
    {"Relief setting", "relief-setting", &units::pressure},
};
constexpr CheckRow kAnswers[] = {{"Share of full-load pressure", "share", &units::percent}};

std::variant<CheckAnswers, CheckRefusal> compute(const CheckInputs &in, UnitSystem) {
    const double fullLoad = in[0];
    const double relief = in[1];
    return CheckAnswers{relief / fullLoad * 100};
}

} // namespace

const Check checks::reliefSetting{
    "Relief valve setting",
    "relief",
    kInputs,
    kAnswers,
    &compute,
    "share = relief-setting / full-load-pressure x 100",
    "",
    {"Full-load pressure: jack side, car at rest; relief setting: the gauge as the valve opens.",
     "Share = relief setting / full-load pressure x 100.", ""}};

} // namespace liftcalc
