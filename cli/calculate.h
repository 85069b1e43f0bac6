// SPDX-License-Identifier: MIT
// One calculation from the command line, made by the same calculation the window runs.
#pragma once

#include "cli/quantities.h"

#include <map>
#include <string>
#include <vector>

namespace liftcalc::cli {

struct Figure {
    std::string column; // "load_kg"
    std::string label;  // "Load on Plunger(s)"
    std::string unit;   // "KG"; empty for the number of plungers
    std::string text;   // exactly as the field shows it
};

struct Outcome {
    std::vector<Figure> figures; // empty when the calculation was refused
    std::string refusal;         // the window's message and where its focus went
};

// Puts each input into its field as the window holds a person's typing, runs the calculator's
// calculation for the unit system and takes every figure of the calculator from the fields it
// leaves. For several plungers the total displacement of the flow rate and displacement
// calculators is added.
Outcome calculate(const CalculatorCommand &command, bool imperial,
                  const std::map<std::string, std::string> &inputs, const NumberFormat &format);

} // namespace liftcalc::cli
