// SPDX-License-Identifier: MIT
// A record's file read into a tree of JSON values, with the limits of a file that can be a
// record checked on the way: valid UTF-8, sound JSON (or the line and column where it is not),
// each member once in its object, no deeper than a record nests, no text longer than a record
// holds, no more entries than it holds. Never throws: a file that breaks a limit is an error.
#pragma once

#include "record/words.h"

#include <nlohmann/json.hpp>

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace liftcalc::record {

using Tree = nlohmann::ordered_json;

// Where a value stands in the document: member names and list positions from the top.
using Path = std::vector<std::variant<std::string, std::size_t>>;

// The path as a message names it: "entries[3].figures.share_pct".
std::string pathText(const Path &path);

// The deepest nesting a file may have: a record nests four deep, a member it does not know may
// nest more.
inline constexpr std::size_t kDeepest = 64;

struct TreeError {
    std::string message;
};
std::variant<Tree, TreeError> parseTree(std::string_view bytes);

// The number of characters (code points) in valid UTF-8.
std::size_t characterCount(std::string_view utf8);

} // namespace liftcalc::record
