// SPDX-License-Identifier: MIT
// What is particular to one calculator, as data: the fields it shows, its heading, its answers,
// and for each unit system its inputs, the equivalents it locks and its calculation. The window
// reads these rows to set itself up, to clear answers, to calculate and to report a refusal; a
// calculator's whole behaviour is its row and its two calculations, in one file.
#pragma once

#include "calculators/calculation.h"
#include "calculators/unit_system.h"

#include <span>
#include <string_view>

namespace liftcalc {

// One unit system's side of a calculator.
struct UnitColumn {
    // The inputs typed in this unit system, in the order a refusal tests them for the focus;
    // the set-up puts the focus into the first.
    std::span<const int> inputs;
    // The other column's fields of the inputs, locked in this order by the set-up.
    std::span<const int> equivalents;
    Outcome (*calculate)(const FieldTexts &, const NumberFormat &);
};

struct Calculator {
    std::string_view heading;
    std::string_view failureTitle; // the title of the invalid-number message
    // The rows shown, by their fields; every other field but the number of plungers is hidden.
    std::span<const int> shownFields;
    // Answer fields in both columns: locked by the set-up, emptied by the change rule, in this
    // order.
    std::span<const int> answers;
    UnitColumn imperial;
    UnitColumn metric;

    const UnitColumn &column(UnitSystem units) const {
        return units == UnitSystem::imperial ? imperial : metric;
    }
};

} // namespace liftcalc
