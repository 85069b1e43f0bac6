// SPDX-License-Identifier: MIT
// The rules a figure typed into an input must keep, as values: a calculator's row names the rule
// of each of its inputs, its calculation tests them, and a refusal says which rule an input broke
// and how.
#pragma once

#include "calculators/numeric.h"

#include <optional>
#include <string_view>

namespace liftcalc {

struct Quantity;

enum class Rule {
    aboveZero,   // a number above 0
    wholeNumber, // a whole number of at least 1, counting a fraction as the whole number below it
    atLeastOne,  // a number of at least 1
    exactWholeNumber, // a whole number of at least 1; a fraction is refused
    zeroOrMore,       // a number of 0 or more
    percentage,       // a share above 0 and at most 100
};

// How a typed text breaks its rule.
enum class Fault {
    notANumber,
    tooLarge,     // a number beyond the range of figures
    notAboveZero, // 0 or less
    belowOne,     // above 0 but below 1 (for a whole number: below 1 once rounded down)
    negative,     // below 0
    notWhole,     // a fraction where only whole numbers are taken
    aboveHundred, // a share above 100
    belowEmptyCar, // a loaded-car pressure below the empty-car one: swapped readings or a wrong gauge
};

// An input of a calculator and the rule a figure typed into it must keep.
struct Input {
    const Quantity *quantity;
    Rule rule;
};

// What is wrong with the text as a figure for an input with the rule, read strictly in the
// regional format; nothing when it keeps the rule.
std::optional<Fault> faultOf(Rule rule, std::string_view typed, const NumberFormat &format);

} // namespace liftcalc
