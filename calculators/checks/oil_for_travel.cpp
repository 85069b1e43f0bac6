// SPDX-License-Identifier: MIT
// Oil for a travel: the volume the plungers displace over a travel, what the pump must deliver.
//   imperial: square inches x feet x 12 / 231 cubic inches a gallon
//   metric:   square millimetres x metres / 1000 gives litres
#include "calculators/checks.h"

namespace liftcalc {
namespace {

constexpr CheckRow kInputs[] = {
    checks::kDiameter,
    checks::kPlungers,
    {"Travel", "travel", &units::foot},
};
constexpr CheckRow kAnswers[] = {{"Oil volume", "oil", &units::gallon}};

std::variant<CheckAnswers, CheckRefusal> compute(const CheckInputs &in, UnitSystem units) {
    const double area = plungerArea(in[0], in[1]);
    const double travel = in[2];
    if (units == UnitSystem::imperial)
        return CheckAnswers{area * travel * 12 / 231};
    return CheckAnswers{area * travel / 1000};
}

} // namespace

const Check checks::oilForTravel{
    "Oil for a travel",
    "oil",
    kInputs,
    kAnswers,
    &compute,
    "oil = A x travel x 12 / 231",
    "oil = A x travel / 1000",
    {"Travel: the car's, measured at the car, landing to landing.",
     "Oil (gal) = A x travel (ft) x 12 / 231, A the plungers' area in in^2.",
     "Oil (l) = A x travel (m) / 1000, A the plungers' area in mm^2."}};

} // namespace liftcalc
