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

// "--diameter 0 must be more than 0", in the core's words; a figure that is no number is told how
// one is written in the regional format.
std::string reason(std::string_view option, std::string_view typed, const std::string &wording,
                   bool notANumber, const NumberFormat &format) {
    return "--" + std::string(option) + " " + quoted(typed) + " " + wording +
           (notANumber ? " (write it like " + example(format) + ")" : "");
}

std::string together(const std::vector<std::string> &options) {
    return listed(options) + " together give a figure too large to compute";
}

} // namespace

std::vector<std::string> refusalReasons(const Check &check, UnitSystem units,
                                        std::span<const CheckRefusal> refusals,
                                        std::span<const std::string> typed,
                                        const NumberFormat &format) {
    std::vector<std::string> reasons;
    for (const CheckRefusal &refusal : refusals) {
        if (!refusal.input) {
            reasons.push_back(together(inputOptions(check)));
            continue;
        }
        const CheckFaultText fault = faultText(check, refusal, units);
        std::string text = fault.text;
        if (fault.other)
            text += " --" + std::string(fault.other->option);
        const bool notANumber = refusal.fault == CheckFault{Fault::notANumber};
        reasons.push_back(reason(check.inputs[*refusal.input].option, typed[*refusal.input], text,
                                 notANumber, format));
    }
    return reasons;
}

std::vector<std::string> refusalReasons(const Calculator &calculator, const Refusal &refusal,
                                        const FieldTexts &typed, const NumberFormat &format) {
    if (refusal.tooLarge())
        return {together(inputOptions(calculator))};
    std::vector<std::string> reasons;
    for (const BrokenRule &broken : refusal.broken) {
        reasons.push_back(reason(quantityOf(broken.field).option, typed.at(broken.field),
                                 faultText(broken.rule, broken.fault, unitOf(broken.field)),
                                 broken.fault == Fault::notANumber, format));
    }
    return reasons;
}

std::string joinedReasons(const std::vector<std::string> &reasons) {
    std::string text;
    for (const std::string &reason : reasons)
        text += (text.empty() ? "" : "; ") + reason;
    return text;
}

} // namespace liftcalc::cli
