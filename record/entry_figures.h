// SPDX-License-Identifier: MIT
// An entry's figures as the window showed them, for every view of the record (the window, the
// PDF, the command line): each with its caption and unit, in the regional format.
#pragma once

#include "record/record.h"

#include <string>
#include <string_view>
#include <vector>

namespace liftcalc::record {

struct ShownFigure {
    std::string_view key;     // "share_pct"
    std::string_view caption; // "Share of full-load pressure"; the key for a figure not known
    std::string_view unit;    // "%"; empty for a count or a figure not known
    std::string text;         // an input as a plain number, a figure worked out with three decimals
    bool input = false;       // typed by the person, not worked out
};

// In the entry's order; an imperial figure and its metric equivalent share a caption and stand
// next to each other.
std::vector<ShownFigure> shownFigures(const Entry &entry, const NumberFormat &format);

} // namespace liftcalc::record
