// SPDX-License-Identifier: MIT
#include "cli/refusal.h"

#include "cli/request.h"

#include <cmath>

namespace liftcalc::cli {
namespace {

// The typed text as a reason quotes it, in quotes when it has blanks or was shortened.
std::string quoted(const std::string &text) {
    const std::string shown = shownText(text);
    const bool blank = shown.empty() || shown.find_first_of(" \"") != std::string::npos;
    return blank || shown != text ? "\"" + shown + "\"" : shown;
}

// How a number is written in the regional format: 1234.5 or 1,234.5 (1234,5 or 1.234,5).
std::string example(const NumberFormat &format) {
    return "1234" + format.decimal + "5 or 1" + format.group + "234" + format.decimal + "5";
}

std::string reasonFor(const Calculator &calculator, Rule rule, int field, const std::string &text,
                      const NumberFormat &format) {
    const auto value = strictValue(text, format);
    if (!value)
        return std::isinf(lenientValue(text, format))
                   ? "is too large to compute"
                   : "is not a number (write it like " + example(format) + ")";
    // The number of plungers counts as the whole number below it.
    if (rule == Rule::wholeNumber)
        return std::floor(*value) < 1 ? "is fewer than one plunger" : "";
    if (*value <= 0)
        return "is 0 or less";
    if (rule == Rule::atLeastOne && *value < 1)
        return "is below 1 " + std::string(unitOf(field)) + ", which the " +
               std::string(calculator.command) + " calculator refuses";
    return "";
}

} // namespace

std::vector<std::string> refusalReasons(const Calculator &calculator, bool imperial,
                                        const FieldTexts &typed, const NumberFormat &format) {
    std::vector<std::string> reasons;
    const auto &inputs = calculator.inputs;
    const std::vector<std::string> options = inputOptions(calculator);
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const std::string &option = options[i];
        const int field = calculator.inputField(i, unitsOf(imperial));
        if (const std::string why =
                reasonFor(calculator, inputs[i].rule, field, typed[field], format);
            !why.empty())
            reasons.push_back(option + " " + quoted(typed[field]) + " " + why);
    }
    if (reasons.empty())
        reasons.push_back(listed(options) + " together give a figure too large to compute");
    return reasons;
}

std::string joinedReasons(const std::vector<std::string> &reasons) {
    std::string text;
    for (const std::string &reason : reasons)
        text += (text.empty() ? "" : "; ") + reason;
    return text;
}

} // namespace liftcalc::cli
