// SPDX-License-Identifier: MIT
#include "calculators/float_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace liftcalc {

namespace portable_text {

std::optional<double> nearestDouble(std::string_view digits, long long exponent) {
    // The digits as a whole number, scaled by the power of ten of the last one.
    const std::string text = std::string(digits) + "e" +
                             std::to_string(exponent - static_cast<long long>(digits.size()) + 1);
    const double value = std::strtod(text.c_str(), nullptr);
    if (std::isinf(value))
        return std::nullopt;
    return value;
}

SignificantDigits fifteenDigits(double magnitude) {
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

} // namespace portable_text

#if defined(LIFTCALC_HAS_FLOAT_CHARCONV)
namespace charconv_text {

std::optional<double> nearestDouble(std::string_view digits, long long exponent) {
    const std::string text = std::string(digits.substr(0, 1)) + "." +
                             std::string(digits.substr(1)) + "e" + std::to_string(exponent);
    double value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error == std::errc::result_out_of_range) {
        if (exponent > 0)
            return std::nullopt;
        value = 0;
    }
    return value;
}

SignificantDigits fifteenDigits(double magnitude) {
    std::array<char, 32> buffer{};
    auto [end, error] = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                      std::chars_format::scientific, 14);
    std::string_view text(buffer.data(), end - buffer.data());
    std::size_t e = text.find('e');
    SignificantDigits result{std::string(1, text[0]) + std::string(text.substr(2, e - 2)), 0};
    std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), end, result.exponent);
    return result;
}

} // namespace charconv_text
#endif

} // namespace liftcalc
