// SPDX-License-Identifier: MIT
// Property checks for the fuzz targets: a broken property prints what broke and aborts, which
// libFuzzer reports as a crash and keeps the input as a reproducer.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

namespace liftcalc::fuzz {

[[noreturn]] inline void fail(const std::string &what) {
    std::fprintf(stderr, "property broken: %s\n", what.c_str());
    std::fflush(stderr);
    std::abort();
}

// Text for a failure report: bytes outside printable ASCII as \xNN.
inline std::string quoted(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
            out += static_cast<char>(c);
        } else {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", c);
            out += escaped;
        }
    }
    return out + "\"";
}

} // namespace liftcalc::fuzz

// The message is built only when the property is broken, so checks stay cheap in the hot loop.
#define LIFTCALC_EXPECT(holds, message)                                                            \
    do {                                                                                           \
        if (!(holds))                                                                              \
            ::liftcalc::fuzz::fail(message);                                                       \
    } while (0)
