// SPDX-License-Identifier: MIT
#include "calculators/float_text.h"

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace liftcalc {

namespace float_text {
namespace {

constexpr std::array<double, 23> kExactPowersOfTen{1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                                   1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                                   1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

constexpr std::array<std::uint64_t, 20> kPowersOfTen = [] {
    std::array<std::uint64_t, 20> powers{};
    std::uint64_t p = 1;
    for (auto &power : powers) {
        power = p;
        p *= 10;
    }
    return powers;
}();

// The C library's conversions work in long double, which WebAssembly emulates in software at
// microseconds a number; figures a person types and the calculators write take these exact
// shortcuts instead.

std::optional<double> nearestDoubleQuickly(std::string_view digits, long long exponent) {
    if (digits.size() > 15)
        return std::nullopt;
    std::uint64_t whole = 0;
    for (char c : digits)
        whole = whole * 10 + static_cast<std::uint64_t>(c - '0');
    return scaledWhole(whole, exponent - static_cast<long long>(digits.size()) + 1);
}

// From 10^-5 up to 10^15 the magnitude times the power of ten that gives it 15 whole digits is
// a 53-bit mantissa times at most 10^19 over a power of two: exact in 128-bit integers, and
// rounded half to even as the exact decimal conversions do.
std::optional<SignificantDigits> fifteenDigitsQuickly(double magnitude) {
    if (!(magnitude >= 1e-5 && magnitude < 1e15))
        return std::nullopt;
    int binaryExponent = 0;
    const double fraction = std::frexp(magnitude, &binaryExponent);
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = 53 - binaryExponent; // magnitude = mantissa / 2^shift, shift 3 to 70
    // The magnitude lies in [2^(e-1), 2^e), so its first digit's power of ten is the estimate
    // from the binary exponent or one above it.
    int decimalExponent = static_cast<int>(std::floor((binaryExponent - 1) * 0.30102999566398120));
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int scale = 14 - decimalExponent;
        if (scale < 0 || scale >= static_cast<int>(kPowersOfTen.size()))
            return std::nullopt;
        __extension__ typedef unsigned __int128 Wide;
        const Wide product = static_cast<Wide>(mantissa) * kPowersOfTen[scale];
        Wide digits = product >> shift;
        if (digits >= kPowersOfTen[15]) {
            ++decimalExponent;
            continue;
        }
        const Wide rest = product - (digits << shift);
        const Wide half = static_cast<Wide>(1) << (shift - 1);
        if (rest > half || (rest == half && (digits & 1) != 0))
            ++digits;
        if (digits == kPowersOfTen[15])
            return SignificantDigits{"100000000000000", decimalExponent + 1};
        SignificantDigits result{std::string(15, '0'), decimalExponent};
        auto whole = static_cast<std::uint64_t>(digits);
        for (auto it = result.digits.rbegin(); it != result.digits.rend(); ++it, whole /= 10)
            *it = static_cast<char>('0' + whole % 10);
        return result;
    }
    return std::nullopt;
}

} // namespace

std::optional<double> scaledWhole(std::uint64_t whole, long long power) {
    if (power >= 0 && power <= 22)
        return static_cast<double>(whole) * kExactPowersOfTen[power];
    if (power < 0 && power >= -22)
        return static_cast<double>(whole) / kExactPowersOfTen[-power];
    return std::nullopt;
}

std::optional<double> nearestDouble(std::string_view digits, long long exponent) {
    if (auto quick = nearestDoubleQuickly(digits, exponent))
        return quick;
    // The digits as a whole number, scaled by the power of ten of the last one.
    const std::string text = std::string(digits) + "e" +
                             std::to_string(exponent - static_cast<long long>(digits.size()) + 1);
    const double value = std::strtod(text.c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

SignificantDigits fifteenDigits(double magnitude) {
    if (auto quick = fifteenDigitsQuickly(magnitude))
        return *quick;
    std::array<char, 48> buffer{};
    const int length = std::snprintf(buffer.data(), buffer.size(), "%.14e", magnitude);
    SignificantDigits result{{}, 0};
    // Whatever decimal point the C locale puts after the first digit is skipped.
    int i = 0;
    for (; i < length && buffer[i] != 'e'; ++i)
        if (buffer[i] >= '0' && buffer[i] <= '9')
            result.digits += buffer[i];
    result.exponent = std::atoi(buffer.data() + i + 1);
    return result;
}

} // namespace float_text

} // namespace liftcalc
