// SPDX-License-Identifier: MIT
// The two conversions done by <charconv> alone, with no shortcut: the reference the number
// conventions' own path is compared with, byte for byte, over a large generated set.
#include "calculators/float_text.h"

#include <array>
#include <charconv>

namespace liftcalc::float_text {

std::optional<double> scaledWhole(std::uint64_t whole, long long power) {
    if (power > 22 || power < -22)
        return std::nullopt;
    const std::string text = std::to_string(whole) + "e" + std::to_string(power);
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

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

} // namespace liftcalc::float_text
