// SPDX-License-Identifier: MIT
// What is particular to one calculator, as data: its item in the Calculators menu, its name on
// the command line, the fields it shows, its heading, its inputs and the rule each keeps, its
// answers, and for each unit system the equivalents it locks and its calculation. The window
// reads these rows to build its menu, set itself up, clear answers, calculate and report a
// refusal; the command line reads them for its calculators, options and help. A calculator's
// whole behaviour is its row and its two calculations, in one file.
#pragma once

#include "calculators/calculation.h"
#include "calculators/input_rule.h"
#include "calculators/quantities.h"

#include <cstddef>
#include <span>
#include <string_view>

namespace liftcalc {

// A calculator's item in the Calculators menu.
struct MenuEntry {
    std::string_view name;     // the item's published name, "mnuLoad"
    std::string_view caption;  // '&' marks the access key
    std::string_view shortcut; // as a person reads it, "Ctrl+L"
};

// One unit system's side of a calculator.
struct UnitColumn {
    // The other column's fields of the inputs, locked in this order by the set-up.
    std::span<const int> equivalents;
    // The calculation for inputs typed in this unit system: StaticPressureCalcImp and the others.
    void (*calculate)(Calculation &);
};

struct Calculator {
    MenuEntry menu;
    std::string_view command; // "load": the calculator's name on the command line
    std::string_view title;   // "Load on plunger(s)": its title there
    std::string_view heading;
    std::string_view failureTitle; // the title of the invalid-number message
    // The rows shown, by their fields; every other field but the number of plungers is hidden.
    std::span<const int> shownFields;
    // Answer fields in both columns: locked by the set-up, emptied by the change rule, in this
    // order.
    std::span<const int> answers;
    // The inputs, in the order a refusal tests them for the focus; the set-up puts the focus
    // into the first.
    std::span<const Input> inputs;
    UnitColumn imperial;
    UnitColumn metric;

    const UnitColumn &column(UnitSystem units) const {
        return units == UnitSystem::imperial ? imperial : metric;
    }
    // The field of the input in the unit system.
    int inputField(std::size_t input, UnitSystem units) const {
        return inputs[input].quantity->field(units);
    }
    // Runs the calculation for inputs typed in the unit system over the field texts; a refused
    // one says which inputs broke their rules.
    CalculationResult calculate(UnitSystem units, const FieldTexts &typed,
                                const NumberFormat &format) const;
};

} // namespace liftcalc
