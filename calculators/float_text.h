// SPDX-License-Identifier: MIT
// The two exact conversions between doubles and decimal text that the number conventions rest
// on: the double nearest to a decimal of any length, and a double's 15 significant digits.
//
// The figures a person types and the calculators write take exact integer shortcuts; the rest
// go to the C library's strtod and snprintf, which are exact too, and the texts handed to them
// carry no decimal point, so no C locale can change what they read. The same path runs on every
// platform (the WebAssembly build's libc++ has no floating-point <charconv>); the tests compare
// it with <charconv> where the standard library has it.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace liftcalc {

// A finite, non-zero magnitude as 15 significant digits and the power of ten of the first.
struct SignificantDigits {
    std::string digits;
    int exponent;
};

namespace float_text {
// The double nearest to WHOLE times ten to POWER, for a whole number below 10^15: it and the
// powers of ten up to 10^22 are exact in a double, so one multiplication or division is
// correctly rounded. Nothing for a power beyond 22 either way.
std::optional<double> scaledWhole(std::uint64_t whole, long long power);
// The double nearest to D.DDD... times ten to the exponent, for non-empty digits with no
// leading zero; nothing beyond the double range, zero below the smallest double.
std::optional<double> nearestDouble(std::string_view digits, long long exponent);
SignificantDigits fifteenDigits(double magnitude);
} // namespace float_text

} // namespace liftcalc
