// SPDX-License-Identifier: MIT
#include "record/words.h"

#include <span>

namespace liftcalc::record::words {
namespace {

constexpr bool inEnumOrder() {
    for (std::size_t i = 0; i < std::size(kMessages); ++i)
        if (static_cast<std::size_t>(kMessages[i].message) != i)
            return false;
    return true;
}
static_assert(inEnumOrder(), "the messages' table lists each message in the enum's order");

} // namespace

std::string_view captionOf(std::string_view member) {
    using Table = std::span<const FieldCaption>;
    for (const Table table : {Table(kLiftFields), Table(kVisitFields)})
        for (const FieldCaption &field : table)
            if (field.member == member)
                return field.caption;
    return {};
}

const VerdictWord &verdictWord(Verdict verdict) {
    for (const VerdictWord &w : kVerdicts)
        if (w.verdict == verdict)
            return w;
    return kVerdicts[0];
}

const UnitSystemWord &unitSystemWord(UnitSystem units) {
    return kUnitSystems[units == UnitSystem::metric ? 1 : 0];
}

std::string say(Message message, std::initializer_list<std::string_view> arguments) {
    const std::string_view text = kMessages[static_cast<std::size_t>(message)].text;
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::size_t argument = i + 1 < text.size() && text[i] == '%' ? text[i + 1] - '1' : 9;
        if (argument < arguments.size()) {
            out += *(arguments.begin() + argument);
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

} // namespace liftcalc::record::words
