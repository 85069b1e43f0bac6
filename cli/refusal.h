// SPDX-License-Identifier: MIT
// Why a calculation was refused, in words that say what to fix.
#pragma once

#include "calculators/calculation.h"
#include "cli/commands.h"

#include <span>
#include <string>
#include <vector>

namespace liftcalc::cli {

// What to fix, in words, one reason for each input the refusal names, quoting the typed texts
// ("--diameter 0 must be more than 0"); or that the inputs together give a figure too large to
// compute.
std::vector<std::string> refusalReasons(const Calculator &calculator, const Refusal &refusal,
                                        const FieldTexts &typed, const NumberFormat &format);

// What to fix in a check, in the same words: one reason a refusal ("--time 0 must be more than
// 0"). Nothing for no refusals.
std::vector<std::string> refusalReasons(const Check &check, UnitSystem units,
                                        std::span<const CheckRefusal> refusals,
                                        std::span<const std::string> typed,
                                        const NumberFormat &format);

// The reasons on one line, for a column of a sweep.
std::string joinedReasons(const std::vector<std::string> &reasons);

} // namespace liftcalc::cli
