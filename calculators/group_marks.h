// SPDX-License-Identifier: MIT
// The marks that group digits in threes when a figure is read: the regional one and, where that
// is a space or an apostrophe, the look-alikes people and other programs put in its place.
#pragma once

#include "calculators/numeric.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace liftcalc {

// Up to four marks; the unused ones are empty. They may refer to the format's own text.
using GroupMarks = std::array<std::string_view, 4>;

// The grouping marks read between digits: the regional one, and where that is a space or an
// apostrophe, every member of its family. A point or a comma has no look-alikes: an apostrophe
// in German is still no number.
GroupMarks groupSeparators(const NumberFormat &format);

// The length of the grouping mark at `at` in the text, or 0 when none starts there.
std::size_t groupSeparatorAt(std::string_view text, std::size_t at, const GroupMarks &marks);

} // namespace liftcalc
