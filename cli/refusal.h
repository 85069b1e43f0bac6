// SPDX-License-Identifier: MIT
// Why a calculation was refused, in words that say what to fix.
#pragma once

#include "calculators/calculation.h"
#include "cli/commands.h"

#include <string>
#include <vector>

namespace liftcalc::cli {

// One reason for each input that cannot be used, in the order the window tests them
// ("--diameter 0 is 0 or less"), read from the typed texts as the calculation reads them; when
// every input can be used, the calculation overflowed. For a calculation that was refused.
std::vector<std::string> refusalReasons(const Calculator &calculator, bool imperial,
                                        const FieldTexts &typed, const NumberFormat &format);

// The reasons on one line, for a column of a sweep.
std::string joinedReasons(const std::vector<std::string> &reasons);

} // namespace liftcalc::cli
