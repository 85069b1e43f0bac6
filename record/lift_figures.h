// SPDX-License-Identifier: MIT
// The lift's three figures with units: their members in the file, their units there, the
// program's units and factors for them, and the input of the field checks they fill.
#pragma once

#include "calculators/check.h"
#include "record/record.h"

#include <optional>
#include <string_view>

namespace liftcalc::record {

struct LiftQuantity {
    std::string_view member;       // "rated_load"
    std::string_view imperialUnit; // "lb", as the file writes it
    std::string_view metricUnit;   // "kg"
    const Units *units;            // the program's units and factors
    std::string_view checkOption;  // the checks' input of the same quantity: "rated-load"
    std::optional<Measure> Lift::*figure;

    UnitSystem systemOf(std::string_view unit) const {
        return unit == metricUnit ? UnitSystem::metric : UnitSystem::imperial;
    }
};

// Not inline: the program's units are constants of each translation unit, and so is this table.
constexpr LiftQuantity kLiftQuantities[] = {
    {"rated_load", "lb", "kg", &units::weight, "rated-load", &Lift::ratedLoad},
    {"rated_speed", "fpm", "mps", &units::speed, "rated-speed", &Lift::ratedSpeed},
    {"diameter", "in", "mm", &units::inch, "diameter", &Lift::diameter},
};

// The number of plungers fills the checks' input of this name.
inline constexpr std::string_view kPlungersOption = "plungers";

} // namespace liftcalc::record
