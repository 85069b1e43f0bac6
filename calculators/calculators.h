// SPDX-License-Identifier: MIT
// The six calculators of the Calculators menu. Each is defined in its own file; flow rate and
// plunger displacement share one body of work and one file.
#pragma once

#include "calculators/calculator.h"

#include <array>

namespace liftcalc::calculators {

extern const Calculator staticPressure;
extern const Calculator flowRate;
extern const Calculator plungerDisplacement;
extern const Calculator loadOnPlungers;
extern const Calculator plungerDiameter;
extern const Calculator upSpeed;

// In the order Calculate tests which one is current.
constexpr std::array<const Calculator *, 6> kAll{
    &staticPressure, &flowRate, &plungerDisplacement, &loadOnPlungers, &plungerDiameter, &upSpeed,
};

// The unit switch and the change rule test them in this order: load before plunger
// displacement.
constexpr std::array<const Calculator *, 6> kArrangingOrder{
    &staticPressure, &flowRate, &loadOnPlungers, &plungerDisplacement, &plungerDiameter, &upSpeed,
};

} // namespace liftcalc::calculators
