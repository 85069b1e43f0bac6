// SPDX-License-Identifier: MIT
#include "json/json_writer.h"

#include <charconv>

namespace liftcalc::json {

std::string numberText(double value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}

} // namespace liftcalc::json
