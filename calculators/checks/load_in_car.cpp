// SPDX-License-Identifier: MIT
// Load in the car: the rise from the empty-car reading to the loaded-car reading, on the
// plungers' area. A loaded reading below the empty one means swapped readings or a wrong gauge.
//   imperial: psi x square inches gives pounds
//   metric:   bar x square millimetres / 98.0665 gives kilograms
#include "calculators/checks.h"

#include "calculators/calculation.h"

namespace liftcalc {
namespace {

constexpr int kEmptyPressure = 2;
constexpr int kLoadedPressure = 3;
constexpr CheckRow kInputs[] = {
    checks::kDiameter,
    checks::kPlungers,
    checks::kEmptyPressure,
    {"Loaded-car pressure", "loaded-pressure", &units::pressure},
};
constexpr CheckRow kAnswers[] = {{"Load in the car", "load", &units::weight}};

std::variant<CheckAnswers, CheckRefusal> compute(const CheckInputs &in, UnitSystem units) {
    const double area = plungerArea(in[0], in[1]);
    const double empty = in[kEmptyPressure];
    const double loaded = in[kLoadedPressure];
    if (loaded < empty)
        return CheckRefusal{kLoadedPressure, BelowInput{kEmptyPressure}};
    if (units == UnitSystem::imperial)
        return CheckAnswers{(loaded - empty) * area};
    return CheckAnswers{(loaded - empty) * area / factors::barMm2PerKg};
}

} // namespace

const Check checks::loadInCar{
    "Load in the car",
    "car-load",
    kInputs,
    kAnswers,
    &compute,
    "load = (loaded-pressure - empty-pressure) x A, loaded-pressure at least empty-pressure",
    "load = (loaded-pressure - empty-pressure) x A / 98.0665, "
    "loaded-pressure at least empty-pressure",
    {"p0 empty, p1 loaded: jack-side gauge, car at rest (a running reading adds friction).",
     "Load = (p1 - p0) x A, A the plungers' area in in^2.",
     "Load = (p1 - p0) x A / 98.0665, A the plungers' area in mm^2."}};

} // namespace liftcalc
