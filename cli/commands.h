// SPDX-License-Identifier: MIT
// The calculators and the field checks as the command line names them, from their rows:
// `liftcalc load` is the calculator whose command is "load", and its options are its inputs'
// quantities (--diameter); `liftcalc oil` is the check whose command is "oil", and its options
// are its input rows' (--travel).
#pragma once

#include "calculators/calculators.h"
#include "calculators/checks.h"

#include <string_view>

namespace liftcalc::cli {

inline const Calculator *commandNamed(std::string_view name) {
    for (const Calculator *calculator : calculators::kAll)
        if (calculator->command == name)
            return calculator;
    return nullptr;
}

inline const Check *checkNamed(std::string_view name) {
    for (const Check *check : checks::kAll)
        if (check->command == name)
            return check;
    return nullptr;
}

constexpr UnitSystem unitsOf(bool imperial) {
    return imperial ? UnitSystem::imperial : UnitSystem::metric;
}

} // namespace liftcalc::cli
