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
};

// How a typed text breaks its rule.
enum class Fault {
    notANumber,
    tooLarge,     // a number beyond the range of figures
    notAboveZero, // 0 or less
    belowOne,     // above 0 but below 1 (for a whole number: below 1 once rounded down)
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
