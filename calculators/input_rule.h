// SPDX-License-Identifier: MIT
// The rules a figure typed into an input must keep, as values: a calculator's row names the rule
// of each of its inputs, its calculation tests them, and a refusal says which rule an input broke
// and how. The words for a rule and a fault are here once, for every front end.
#pragma once

#include "calculators/numeric.h"

#include <optional>
#include <string>
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
};

// An input of a calculator and the rule a figure typed into it must keep.
struct Input {
    const Quantity *quantity;
    Rule rule;
};

// What is wrong with the text as a figure for an input with the rule, read strictly in the
// regional format; nothing when it keeps the rule.
std::optional<Fault> faultOf(Rule rule, std::string_view typed, const NumberFormat &format);

// What a figure for an input with the rule must be: "more than 0".
std::string_view ruleText(Rule rule);

// What is wrong with a figure, said after the input's name: "is not a number", "must be more
// than 0", "must be at least 1 MM". The unit is the one the figure was typed in.
std::string faultText(Rule rule, Fault fault, std::string_view unit);

} // namespace liftcalc
