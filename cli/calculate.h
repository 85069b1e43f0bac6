// SPDX-License-Identifier: MIT
// One calculation from the command line, made by the same calculation the window runs.
#pragma once

#include "calculators/figures.h"
#include "cli/commands.h"

#include <map>
#include <span>
#include <string>
#include <vector>

namespace liftcalc::cli {

// The figures' names and columns are the core's, shared with the test record.
using liftcalc::Column;
using liftcalc::columnKey;
using liftcalc::columnsOf;

// One calculation as the command line gives it: a row of figures, or the reasons it was refused.
struct FigureRow {
    std::span<const Column> columns;
    // A text for each column, exactly as the window shows it; empty where there is no figure
    // (the total displacement of one plunger). A refused calculation keeps only the inputs.
    std::vector<std::string> texts;
    std::vector<std::string> refusal; // what to fix, one reason an input; empty when calculated

    bool refused() const { return !refusal.empty(); }
};

// Puts each input into its field as the window holds a person's typing, runs the calculator's
// calculation for the unit system and takes every figure of the calculator from the fields it
// leaves.
FigureRow calculate(const Calculator &calculator, bool imperial,
                    const std::map<std::string, std::string> &inputs, const NumberFormat &format);

// The check's calculation from the typed inputs in the unit system, with the figures as its
// window writes them; refused, it names every input that breaks its own rule, or else what the
// inputs together break.
FigureRow calculate(const Check &check, bool imperial,
                    const std::map<std::string, std::string> &inputs, const NumberFormat &format);

} // namespace liftcalc::cli
