// SPDX-License-Identifier: MIT
// Car weight from the gauge: the empty-car pressure on the jack side, car at rest, carries the
// car with its plunger and sling; the rated load adds its share of pressure on the same area.
//   imperial: psi x square inches gives pounds; pounds / square inches gives psi
//   metric:   bar x square millimetres / 98.0665 gives kilograms, and back
#include "calculators/checks.h"

#include "calculators/calculation.h"

namespace liftcalc {
namespace {

constexpr CheckRow kInputs[] = {
    checks::kDiameter,
    checks::kPlungers,
    checks::kEmptyPressure,
    {"Rated load", "rated-load", &units::weight, Rule::aboveZero, Figure::ratedLoad},
};
constexpr CheckRow kAnswers[] = {
    {"Car weight", "car-weight", &units::weight},
    checks::kFullLoadPressure,
};

std::variant<CheckAnswers, CheckRefusal> compute(const CheckInputs &in, UnitSystem units) {
    const double area = plungerArea(in[0], in[1]);
    const double empty = in[2];
    const double load = in[3];
    if (units == UnitSystem::imperial)
        return CheckAnswers{empty * area, empty + load / area};
    return CheckAnswers{empty * area / factors::barMm2PerKg,
                        empty + load * factors::barMm2PerKg / area};
}

} // namespace

const Check checks::carWeight{
    "Car weight from the gauge",
    "car-weight",
    kInputs,
    kAnswers,
    &compute,
    "car-weight = empty-pressure x A; full-load-pressure = empty-pressure + rated-load / A",
    "car-weight = empty-pressure x A / 98.0665; "
    "full-load-pressure = empty-pressure + rated-load x 98.0665 / A",
    {"Empty-car pressure p0: jack side, car at rest; includes plunger and sling. Q: rated load.",
     "Car weight = p0 x A; full-load pressure = p0 + Q / A, A in in^2.",
     "Car weight = p0 x A / 98.0665; full-load pressure = p0 + Q x 98.0665 / A, A in mm^2."}};

} // namespace liftcalc
