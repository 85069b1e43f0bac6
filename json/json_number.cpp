// SPDX-License-Identifier: MIT
#include "json/json_writer.h"

#ifndef LIFTCALC_PORTABLE_NUMBERS
#include <charconv>
#endif

namespace liftcalc::json {

std::string numberText(double value) {
#ifdef LIFTCALC_PORTABLE_NUMBERS
    return portableNumberText(value);
#else
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
#endif
}

} // namespace liftcalc::json
