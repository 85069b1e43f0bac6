// SPDX-License-Identifier: MIT
// The figures printed as an aligned table, one JSON object or CSV.
#pragma once

#include "cli/calculate.h"
#include "cli/request.h"

#include <iosfwd>
#include <vector>

namespace liftcalc::cli {

// One calculation: a row per quantity, imperial and metric side by side.
void printFigures(std::ostream &out, const Request &request, const std::vector<Figure> &figures);

// A sweep: a row per value that was calculated.
void printRows(std::ostream &out, const Request &request,
               const std::vector<std::vector<Figure>> &rows);

} // namespace liftcalc::cli
