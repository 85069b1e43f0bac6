// SPDX-License-Identifier: MIT
// The field checks, in the order the checks window offers them. Each is defined in its own file.
#pragma once

#include "calculators/check.h"

#include <array>

namespace liftcalc::checks {

extern const Check oilForTravel;
extern const Check oilLostToDrift;
extern const Check carWeight;
extern const Check loadInCar;
extern const Check pumpPower;
extern const Check timedRun;
extern const Check reliefSetting;
extern const Check pressureAtShare;
extern const Check pressureHold;

constexpr auto kAll = std::to_array<const Check *>({
    &oilForTravel,
    &oilLostToDrift,
    &carWeight,
    &loadInCar,
    &pumpPower,
    &timedRun,
    &reliefSetting,
    &pressureAtShare,
    &pressureHold,
});

// Rows several checks share.
constexpr CheckRow kDiameter{"Plunger diameter", "diameter", &units::inch, Rule::aboveZero,
                             Figure::plungerDiameter};
constexpr CheckRow kPlungers{"Number of plungers", "plungers", &units::count,
                             Rule::exactWholeNumber, Figure::plungers};
constexpr CheckRow kEmptyPressure{"Empty-car pressure", "empty-pressure", &units::pressure,
                                  Rule::aboveZero, Figure::emptyCarPressure};
constexpr CheckRow kFullLoadPressure{"Full-load pressure", "full-load-pressure", &units::pressure,
                                     Rule::aboveZero, Figure::fullLoadPressure};

} // namespace liftcalc::checks
