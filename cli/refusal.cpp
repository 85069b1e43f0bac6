// SPDX-License-Identifier: MIT
#include "cli/refusal.h"

#include "cli/request.h"

namespace liftcalc::cli {
namespace {

// The typed text as a reason quotes it, in quotes when it has blanks or was shortened.
std::string quoted(std::string_view text) {
    const std::string shown = shownText(text);
    const bool blank = shown.empty() || shown.find_first_of(" \"") != std::string::npos;
    return blank || shown != text ? "\"" + shown + "\"" : shown;
}

// How a number is written in the regional format: 1234.5 or 1,234.5 (1234,5 or 1.234,5).
std::string example(const NumberFormat &format) {
    return "1234" + format.decimal + "5 or 1" + format.group + "234" + format.decimal + "5";
}

std::string wording(const Calculator &calculator, const BrokenRule &broken,
                    const NumberFormat &format) {
    switch (broken.fault) {
    case Fault::notANumber:
        return "is not a number (write it like " + example(format) + ")";
    case Fault::tooLarge:
        return "is too large to compute";
    case Fault::notAboveZero:
        return "is 0 or less";
    case Fault::belowOne:
        break;
    case Fault::negative:
    case Fault::notWhole:
    case Fault::aboveHundred:
    case Fault::belowEmptyCar:
        return "breaks a rule no calculator has"; // the field checks' rules only
    }
    // Only the number of plungers is counted in whole numbers.
    if (broken.rule == Rule::wholeNumber)
        return "is fewer than one plunger";
    return "is below 1 " + std::string(unitOf(broken.field)) + ", which the " +
           std::string(calculator.command) + " calculator refuses";
}

} // namespace

std::vector<std::string> refusalReasons(const Calculator &calculator, const Refusal &refusal,
                                        const FieldTexts &typed, const NumberFormat &format) {
    if (refusal.tooLarge())
        return {listed(inputOptions(calculator)) + " together give a figure too large to compute"};
    std::vector<std::string> reasons;
    for (const BrokenRule &broken : refusal.broken)
        reasons.push_back("--" + std::string(quantityOf(broken.field).option) + " " +
                          quoted(typed.at(broken.field)) + " " +
                          wording(calculator, broken, format));
    return reasons;
}

std::string joinedReasons(const std::vector<std::string> &reasons) {
    std::string text;
    for (const std::string &reason : reasons)
        text += (text.empty() ? "" : "; ") + reason;
    return text;
}

} // namespace liftcalc::cli
