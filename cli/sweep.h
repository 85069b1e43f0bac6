// SPDX-License-Identifier: MIT
// An input given as a range FROM:TO:STEP: the values it takes, worked out one at a time so
// that a sweep of any length holds one value at once.
#pragma once

#include "calculators/numeric.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace liftcalc::cli {

class Sweep {
public:
    // Throws UsageError for a malformed range, a STEP of 0 or pointing away from TO, and a range
    // of more than maxRows values.
    Sweep(std::string_view range, const NumberFormat &format, std::size_t maxRows);

    std::size_t size() const { return count_; }
    // The value as a person would type it: plain number text in the regional format.
    std::string operator[](std::size_t i) const;

private:
    // The value as printed goes no further than TO (1:1.9999999999:1 stops at 1).
    bool withinRange(std::size_t i) const;

    NumberFormat format_;
    double from_ = 0, to_ = 0, step_ = 0;
    std::size_t count_ = 0;
};

} // namespace liftcalc::cli
