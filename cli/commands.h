// SPDX-License-Identifier: MIT
// The calculators as the command line names them, from their rows: `liftcalc load` is the row
// whose command is "load", and its options are its inputs' quantities (--diameter).
#pragma once

#include "calculators/calculators.h"

#include <string_view>

namespace liftcalc::cli {

inline const Calculator *commandNamed(std::string_view name) {
    for (const Calculator *calculator : calculators::kAll)
        if (calculator->command == name)
            return calculator;
    return nullptr;
}

constexpr UnitSystem unitsOf(bool imperial) {
    return imperial ? UnitSystem::imperial : UnitSystem::metric;
}

} // namespace liftcalc::cli
