// SPDX-License-Identifier: MIT
// The two exact conversions between doubles and decimal text that the number conventions rest
// on: the double nearest to a decimal of any length, and a double's 15 significant digits.
//
// Where the standard library has floating-point <charconv> it does both. Where it has not (the
// libc++ of the WebAssembly build), the C library's strtod and snprintf do: both are exact, and
// the texts handed to them carry no decimal point, so no C locale can change what they read.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <version>

namespace liftcalc {

// A finite, non-zero magnitude as 15 significant digits and the power of ten of the first.
struct SignificantDigits {
    std::string digits;
    int exponent;
};

namespace portable_text {
// The double nearest to D.DDD... times ten to the exponent, for non-empty digits with no
// leading zero; nothing beyond the double range, zero below the smallest double.
std::optional<double> nearestDouble(std::string_view digits, long long exponent);
SignificantDigits fifteenDigits(double magnitude);
} // namespace portable_text

#if defined(__cpp_lib_to_chars) && !defined(LIFTCALC_PORTABLE_FLOAT_TEXT)
#define LIFTCALC_HAS_FLOAT_CHARCONV 1
namespace charconv_text {
std::optional<double> nearestDouble(std::string_view digits, long long exponent);
SignificantDigits fifteenDigits(double magnitude);
} // namespace charconv_text
namespace float_text = charconv_text;
#else
namespace float_text = portable_text;
#endif

} // namespace liftcalc
