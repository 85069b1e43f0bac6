// SPDX-License-Identifier: MIT
// The rules a figure typed into an input must keep, as values: a calculator's row names the rule
// of each of its inputs, its calculation tests them, and a refusal says which one an input broke.
#pragma once

namespace liftcalc {

enum class Rule {
    aboveZero,   // a number above 0
    wholeNumber, // a whole number of at least 1, counting a fraction as the whole number below it
    atLeastOne,  // a number of at least 1
};

} // namespace liftcalc
