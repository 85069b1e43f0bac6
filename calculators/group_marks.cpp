// SPDX-License-Identifier: MIT
#include "calculators/group_marks.h"

namespace liftcalc {
namespace {

// Families of grouping marks: a person types one member where the regional settings write
// another (a Swiss keyboard's apostrophe for the typographic one, a plain space for the narrow
// no-break one), and other programs put any of them between groups. The thin space is read with
// the spaces but is no locale's own mark.
struct GroupMarkFamily {
    std::array<std::string_view, 3> regional;
    std::string_view alsoRead;
};
constexpr GroupMarkFamily kSpaces{{" ", "\u00A0", "\u202F"}, "\u2009"};
constexpr GroupMarkFamily kApostrophes{{"'", "\u2019", "\u02BC"}, {}};

} // namespace

GroupMarks groupSeparators(const NumberFormat &format) {
    const std::string_view g = format.group;
    for (const auto &family : {kSpaces, kApostrophes}) {
        const auto &[a, b, c] = family.regional;
        if (g == a || g == b || g == c)
            return {a, b, c, family.alsoRead};
    }
    return {g, {}, {}, {}};
}

std::size_t groupSeparatorAt(std::string_view text, std::size_t at, const GroupMarks &marks) {
    for (auto mark : marks)
        if (!mark.empty() && at < text.size() && text[at] == mark[0] &&
            text.substr(at, mark.size()) == mark)
            return mark.size();
    return 0;
}

} // namespace liftcalc
