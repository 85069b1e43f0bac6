// SPDX-License-Identifier: MIT
// One calculation from the command line, made by the same calculation the window runs.
#pragma once

#include "cli/commands.h"

#include <map>
#include <span>
#include <string>
#include <vector>

namespace liftcalc::cli {

// A figure a calculator or a check gives: a field of the calculator window, the total
// displacement, or a figure of a check's row.
struct Column {
    std::string key;          // "load_kg": the name in CSV and JSON
    std::string_view label;   // "Load on Plunger(s)"
    std::string_view unit;    // "KG"; empty for the number of plungers
    std::optional<int> field; // the calculator window's field; nothing for the others
};

// A figure's name in CSV and JSON: the option and the unit in lower case, joined and with
// "-" and "/" as "_" and "%" as "pct" ("leak_rate_gal_h", "efficiency_pct"); the option alone
// for a figure without a unit ("plungers").
std::string columnKey(std::string_view option, std::string_view unit);

// Every figure the calculator shows, in the order of the window's rows, imperial before metric;
// the flow rate and displacement calculators add the total displacement of all plungers.
std::span<const Column> columnsOf(const Calculator &calculator);

// Every figure of the check, in the order of its rows, imperial before metric; a row without
// unit systems has one. Each is named after the row's option and its unit: "leak_rate_gal_h".
std::span<const Column> columnsOf(const Check &check);

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
