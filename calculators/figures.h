// SPDX-License-Identifier: MIT
// Every figure a calculator or a check gives, by name: the columns of the command line's CSV and
// JSON and the figures of a test record's entry. A calculation here is the window's own, from
// the typed inputs to the texts the window then shows, one a column.
#pragma once

#include "calculators/calculators.h"
#include "calculators/checks.h"

#include <array>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace liftcalc {

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

// The columns a person types into in the unit system, in the order of the inputs: each input's
// option and its column key ("diameter", "diameter_mm").
struct InputColumn {
    std::string_view option;
    std::string key;
};
std::vector<InputColumn> inputColumns(const Calculator &calculator, UnitSystem units);
std::vector<InputColumn> inputColumns(const Check &check, UnitSystem units);

// A calculator's calculation from the typed inputs (by option name, each one given): the
// texts of its columns as the window shows them afterwards (a refused one keeps only the
// inputs), the fields as typed, and the refusal.
struct CalculatorFigures {
    std::array<std::string, fields::count> typed;
    std::vector<std::string> texts;
    std::optional<Refusal> refusal;
};
CalculatorFigures figuresOf(const Calculator &calculator, UnitSystem units,
                            const std::map<std::string, std::string> &inputs,
                            const NumberFormat &format);

// A check's calculation: the texts of its columns, the inputs as typed and its refusals.
struct CheckFigures {
    std::vector<std::string> typed; // the inputs, in row order
    std::vector<std::string> texts;
    CheckRefusals refusals;
};
CheckFigures figuresOf(const Check &check, UnitSystem units,
                       const std::map<std::string, std::string> &inputs,
                       const NumberFormat &format);

} // namespace liftcalc
