// SPDX-License-Identifier: MIT
// A small JSON reader for the tests: enough to take apart one line that the replay driver
// writes (objects, arrays, strings, numbers, true, false, null).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace liftcalc::testing {

struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0;
    std::string text;
    std::vector<JsonValue> items;
    std::vector<std::pair<std::string, JsonValue>> members;

    // The member named key; a null value when there is none.
    const JsonValue &operator[](std::string_view key) const;
    const JsonValue &operator[](std::size_t index) const;
    bool has(std::string_view key) const;
};

// The value of the whole text, or nothing when it is not exactly one JSON value.
std::optional<JsonValue> parseJson(std::string_view text);

} // namespace liftcalc::testing
