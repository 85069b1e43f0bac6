// SPDX-License-Identifier: MIT
#include "calculators/input_rule.h"

#include <cmath>

namespace liftcalc {

std::optional<Fault> faultOf(Rule rule, std::string_view typed, const NumberFormat &format) {
    const auto value = strictValue(typed, format);
    if (!value)
        return std::isinf(lenientValue(typed, format)) ? Fault::tooLarge : Fault::notANumber;
    switch (rule) {
    case Rule::wholeNumber:
        // Counted as the whole number below it, whatever its sign.
        if (std::floor(*value) < 1)
            return Fault::belowOne;
        break;
    case Rule::atLeastOne:
        if (*value <= 0)
            return Fault::notAboveZero;
        if (*value < 1)
            return Fault::belowOne;
        break;
    case Rule::aboveZero:
        if (*value <= 0)
            return Fault::notAboveZero;
        break;
    case Rule::exactWholeNumber:
        if (*value < 1)
            return Fault::belowOne;
        if (std::floor(*value) != *value)
            return Fault::notWhole;
        break;
    case Rule::zeroOrMore:
        if (*value < 0)
            return Fault::negative;
        break;
    case Rule::percentage:
        if (*value <= 0)
            return Fault::notAboveZero;
        if (*value > 100)
            return Fault::aboveHundred;
        break;
    }
    return std::nullopt;
}

} // namespace liftcalc
