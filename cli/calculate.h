// SPDX-License-Identifier: MIT
// One calculation from the command line, made by the same calculation the window runs.
#pragma once

#include "cli/quantities.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

namespace liftcalc::cli {

struct Figure {
    std::string column; // "load_kg"
    std::string label;  // "Load on Plunger(s)"
    std::string unit;   // "KG"; empty for the number of plungers
    std::string text;   // exactly as the field shows it; empty when there is no figure
    // The figure the text shows, read back as the window reads its fields.
    std::optional<double> value;
};

struct Outcome {
    // The same columns for every calculation of a calculator; a refused one keeps only the
    // inputs as typed.
    std::vector<Figure> figures;
    std::vector<std::string> refusal; // what to fix, one reason an input; empty when calculated

    bool refused() const { return !refusal.empty(); }
};

// Puts each input into its field as the window holds a person's typing, runs the calculator's
// calculation for the unit system and takes every figure of the calculator from the fields it
// leaves. The flow rate and displacement calculators add the total displacement, which has a
// figure only for several plungers.
Outcome calculate(const CalculatorCommand &command, bool imperial,
                  const std::map<std::string, std::string> &inputs, const NumberFormat &format);

} // namespace liftcalc::cli
