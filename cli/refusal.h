// SPDX-License-Identifier: MIT
// Why a calculation was refused, in words that say what to fix.
#pragma once

#include "calculators/calculation.h"
#include "cli/commands.h"

#include <string>
#include <vector>

namespace liftcalc::cli {

// What to fix, in words, one reason for each input the refusal names ("--diameter 0 is 0 or
// less"), quoting the typed texts; or that the inputs together give a figure too large to
// compute.
std::vector<std::string> refusalReasons(const Calculator &calculator, const Refusal &refusal,
                                        const FieldTexts &typed, const NumberFormat &format);

// The reasons on one line, for a column of a sweep.
std::string joinedReasons(const std::vector<std::string> &reasons);

} // namespace liftcalc::cli
