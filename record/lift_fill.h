// SPDX-License-Identifier: MIT
// The lift's figures typed once: rated load, rated speed, plunger diameter and number of
// plungers fill the empty inputs of the same quantity in a chosen check, in the check's unit
// system.
#pragma once

#include "calculators/check.h"
#include "record/record.h"

#include <span>
#include <string>
#include <vector>

namespace liftcalc::record {

struct InputFill {
    int input; // the check's input row
    std::string text;
    bool operator==(const InputFill &) const = default;
};

// The texts for the check's inputs that are empty in TYPED (the texts of the chosen system's
// input fields, in row order) and have a lift figure of their quantity. A figure in the chosen
// unit system is written as a plain number; one in the other system is converted with the
// program's factor and written as an equivalent is, with three decimals.
std::vector<InputFill> liftFill(const Lift &lift, const Check &check, UnitSystem units,
                                std::span<const std::string> typed, const NumberFormat &format);

} // namespace liftcalc::record
