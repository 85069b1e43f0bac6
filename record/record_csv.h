// SPDX-License-Identifier: MIT
// The record as CSV for a spreadsheet (RFC 4180, UTF-8, lines ended by CR LF): one row a
// figure, since every calculation has figures of its own, each row carrying its record, lift,
// visit and entry.
#pragma once

#include "record/record.h"

#include <string>
#include <string_view>

namespace liftcalc::record {

inline constexpr std::string_view kCsvColumns[] = {
    "record_id", "device_id", "visit_date", "entry",   "time",    "calculation",
    "units",     "figure",    "value",      "verdict", "context", "note"};

std::string recordCsv(const Record &record);

// A field as CSV writes it: in double quotes, with each quote doubled, when it holds a comma, a
// quote or a line break.
std::string csvField(std::string_view text);

} // namespace liftcalc::record
