// SPDX-License-Identifier: MIT
// The aligned table a person reads: exactly the window's texts, in the regional format.
#pragma once

#include "cli/calculate.h"
#include "cli/request.h"

#include <iosfwd>
#include <string>
#include <vector>

namespace liftcalc::cli {

// One calculation: a row per quantity, imperial and metric side by side.
void printFigures(std::ostream &out, const Request &request, const FigureRow &figures);

// A sweep, a row per value, each written as it is calculated. The columns are as wide as the
// first and the last row need: every figure grows or shrinks steadily along a sweep, so the
// widest figures stand at its ends, as do the refused rows (an input below a limit, or so large
// that it overflows). A figure with more decimals in between pushes only the cell after it.
class SweepTable {
public:
    void measure(const FigureRow &figures);
    void header(std::ostream &out) const;
    void row(std::ostream &out, const FigureRow &figures) const;

private:
    std::vector<std::string> cells(const FigureRow &figures) const;
    void print(std::ostream &out, const std::vector<std::string> &cells) const;

    std::vector<std::string> columns_;
    std::vector<std::size_t> widths_;
    bool anyRefused_ = false;
};

} // namespace liftcalc::cli
