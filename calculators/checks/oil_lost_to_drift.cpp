// SPDX-License-Identifier: MIT
// Oil lost to a drift: the car, stopped, sinks by the drift over the stated time; the oil that
// went past the valves or the packing is the plungers' area times the drift.
//   imperial: square inches x inches / 231 gives gallons
//   metric:   square millimetres x millimetres / 1,000,000 gives litres
//   leak rate: oil lost x 60 / minutes, an hour's worth
#include "calculators/checks.h"

namespace liftcalc {
namespace {

constexpr CheckRow kInputs[] = {
    checks::kDiameter,
    checks::kPlungers,
    {"Drift", "drift", &units::inch},
    {"Time", "time", &units::minutes},
};
constexpr CheckRow kAnswers[] = {
    {"Oil lost", "oil-lost", &units::gallon},
    {"Leak rate", "leak-rate", &units::gallonPerHour},
};

std::variant<CheckAnswers, CheckRefusal> compute(const CheckInputs &in, UnitSystem units) {
    const double area = plungerArea(in[0], in[1]);
    const double drift = in[2];
    const double minutes = in[3];
    const double lost = units == UnitSystem::imperial ? area * drift / 231 : area * drift / 1e6;
    return CheckAnswers{lost, lost * 60 / minutes};
}

} // namespace

const Check checks::oilLostToDrift{
    "Oil lost to a drift",
    "drift",
    kInputs,
    kAnswers,
    &compute,
    "oil-lost = A x drift / 231; leak-rate = oil-lost x 60 / time",
    "oil-lost = A x drift / 1,000,000; leak-rate = oil-lost x 60 / time",
    {"Drift: how far the stopped car sinks in the time; it also moves with the oil's temperature.",
     "Oil lost = A x drift / 231, A in in^2; leak rate = lost x 60 / time.",
     "Oil lost = A x drift / 1,000,000, A in mm^2; leak rate = lost x 60 / time."}};

} // namespace liftcalc
