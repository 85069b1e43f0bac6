// SPDX-License-Identifier: MIT
// Pump power: the hydraulic power of the oil at the pressure and flow, and what the motor must
// give at the overall efficiency of pump and motor.
//   imperial: psi x gpm x 231 / 396,000 gives horsepower (33,000 foot-pounds a minute)
//   metric:   bar x litres per second / 10 gives kilowatts
#include "calculators/checks.h"

namespace liftcalc {
namespace {

constexpr CheckRow kInputs[] = {
    // A loaded run up: the full-load pressure is where the figure starts, the gauge at the
    // pump adding the line's losses to it.
    {"Pressure", "pressure", &units::pressure, Rule::aboveZero, Figure::fullLoadPressure},
    {"Flow", "flow", &units::flow},
    {"Overall efficiency", "efficiency", &units::percent, Rule::percentage},
};
constexpr CheckRow kAnswers[] = {
    {"Hydraulic power", "hydraulic-power", &units::power},
    {"Motor power", "motor-power", &units::power},
};

std::variant<CheckAnswers, CheckRefusal> compute(const CheckInputs &in, UnitSystem units) {
    const double pressure = in[0];
    const double flow = in[1];
    const double efficiency = in[2];
    const double hydraulic =
        units == UnitSystem::imperial ? pressure * flow * 231 / 396000 : pressure * flow / 10;
    return CheckAnswers{hydraulic, hydraulic / (efficiency / 100)};
}

} // namespace

const Check checks::pumpPower{
    "Pump power",
    "pump",
    kInputs,
    kAnswers,
    &compute,
    "hydraulic-power = pressure x flow x 231 / 396,000; "
    "motor-power = hydraulic-power / (efficiency / 100)",
    "hydraulic-power = pressure x flow / 10; "
    "motor-power = hydraulic-power / (efficiency / 100)",
    {"p: gauge at the pump, car running up loaded; Q: the pump's flow; e: pump and motor together.",
     "Hydraulic power = p x Q x 231 / 396,000; motor = that / (e / 100).",
     "Hydraulic power = p x Q / 10; motor = that / (e / 100)."}};

} // namespace liftcalc
