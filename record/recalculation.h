// SPDX-License-Identifier: MIT
// An entry calculated again from its input figures by the same calculation that made it, so
// that a file changed by hand is never taken for one the program wrote.
#pragma once

#include "record/record.h"

#include <optional>
#include <string>
#include <vector>

namespace liftcalc::record {

// The texts of the calculation's columns as the window shows them after a new calculation from
// the entry's inputs, typed in the regional format; nothing when an input is missing or the
// calculation refuses them.
std::optional<std::vector<std::string>> newTexts(const Entry &entry, const NumberFormat &format);

// The figures a new calculation gives from the entry's inputs, as an entry holds them.
std::optional<std::vector<Figure>> newFigures(const Entry &entry);

// True when the entry's figures are exactly those of a new calculation.
bool agreesWithNewCalculation(const Entry &entry);

} // namespace liftcalc::record
