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

// Said alike of a calculator's input and a check's: the text is no figure to compute with.
std::string unreadable(Fault fault, const NumberFormat &format) {
    return fault == Fault::tooLarge ? "is too large to compute"
                                    : "is not a number (write it like " + example(format) + ")";
}

std::string wording(const Calculator &calculator, const BrokenRule &broken,
                    const NumberFormat &format) {
    switch (broken.fault) {
    case Fault::notANumber:
    case Fault::tooLarge:
        return unreadable(broken.fault, format);
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

// A check's rules in the command line's terms: its options, not the window's captions.
std::string checkWording(Fault fault, const NumberFormat &format) {
    switch (fault) {
    case Fault::notANumber:
    case Fault::tooLarge:
        return unreadable(fault, format);
    case Fault::notAboveZero:
        return "must be more than 0";
    case Fault::belowOne:
    case Fault::notWhole:
        return "must be a whole number of at least 1";
    case Fault::negative:
        return "must be 0 or more";
    case Fault::aboveHundred:
        return "must be at most 100";
    case Fault::belowEmptyCar:
        return "is below --" + std::string(checks::kEmptyPressure.option);
    }
    return "is refused";
}

std::string together(const std::vector<std::string> &options) {
    return listed(options) + " together give a figure too large to compute";
}

} // namespace

std::vector<std::string> refusalReasons(const Check &check, std::span<const CheckRefusal> refusals,
                                        std::span<const std::string> typed,
                                        const NumberFormat &format) {
    std::vector<std::string> reasons;
    for (const CheckRefusal &refusal : refusals)
        if (refusal.input)
            reasons.push_back("--" + std::string(check.inputs[*refusal.input].option) + " " +
                              quoted(typed[*refusal.input]) + " " +
                              checkWording(refusal.fault, format));
        else
            reasons.push_back(together(inputOptions(check)));
    return reasons;
}

std::vector<std::string> refusalReasons(const Calculator &calculator, const Refusal &refusal,
                                        const FieldTexts &typed, const NumberFormat &format) {
    if (refusal.tooLarge())
        return {together(inputOptions(calculator))};
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
