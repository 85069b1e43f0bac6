// SPDX-License-Identifier: MIT
// An entry calculated again from its input figures by the same calculation that made it, so
// that a file changed by hand is never taken for one the program wrote.
#pragma once

#include "record/record.h"

#include <optional>
#include <vector>

namespace liftcalc::record {

// The figures a new calculation gives from the entry's inputs; nothing when an input is
// missing or the calculation refuses them.
std::optional<std::vector<Figure>> newFigures(const Entry &entry);

// True when the entry's figures are exactly those of a new calculation.
bool agreesWithNewCalculation(const Entry &entry);

} // namespace liftcalc::record
