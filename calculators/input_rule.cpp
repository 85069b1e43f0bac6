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

std::string_view ruleText(Rule rule) {
    switch (rule) {
    case Rule::aboveZero:
        return "more than 0";
    case Rule::wholeNumber:
    case Rule::exactWholeNumber:
        return "a whole number of at least 1";
    case Rule::atLeastOne:
        return "at least 1";
    case Rule::zeroOrMore:
        return "0 or more";
    case Rule::percentage:
        return "more than 0 and at most 100";
    }
    return "";
}

std::string faultText(Rule rule, Fault fault, std::string_view unit) {
    const std::string inUnit = unit.empty() ? "" : " " + std::string(unit);
    switch (fault) {
    case Fault::notANumber:
        return "is not a number";
    case Fault::tooLarge:
        return "is too large to compute";
    case Fault::aboveHundred:
        return "must be at most 100" + inUnit;
    case Fault::notAboveZero:
        // A share's two bounds are broken one at a time.
        if (rule == Rule::percentage)
            return "must be more than 0";
        break;
    case Fault::belowOne:
    case Fault::negative:
    case Fault::notWhole:
        break;
    }
    // A least figure other than a count is one of the unit typed.
    return "must be " + std::string(ruleText(rule)) + (rule == Rule::atLeastOne ? inUnit : "");
}

} // namespace liftcalc
