// SPDX-License-Identifier: MIT
// The record's file (.liftrec): one JSON document in UTF-8, its members in a fixed order, the
// figures written as the command line writes them, and every member the program does not know
// written back as it was read.
//
// Reading refuses, with the reason in the person's words, anything that is not a whole, sound
// record: text that is not JSON (with its line and column), not UTF-8, too large, nested too
// deep, a member twice in one object, a member of the wrong kind (named by its path,
// "entries[3].figures.share_pct"), an unknown calculation, too many entries, too long a text, a
// later version. On reading, every entry is calculated again and marked when its figures differ.
#pragma once

#include "record/record.h"

#include <string>
#include <string_view>
#include <variant>

namespace liftcalc::record {

// The largest file read, in bytes.
inline constexpr std::size_t kLargestFile = 16 * 1024 * 1024;

struct ReadError {
    std::string message; // a sentence for the person: why the file is not opened
    bool operator==(const ReadError &) const = default;
};

std::string recordJson(const Record &record);
std::variant<Record, ReadError> readRecord(std::string_view bytes);

} // namespace liftcalc::record
