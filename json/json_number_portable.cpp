// SPDX-License-Identifier: MIT
// A double's shortest text without floating-point <charconv>, in the form <charconv> gives it:
// the fewest significant digits that read back as the same double, written plainly or with an
// exponent, whichever is shorter (plainly on a tie).
#include "json/json_writer.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>

namespace liftcalc::json {
namespace {

struct Digits {
    std::string digits; // no leading zero
    int exponent;       // of the first digit
};

// The value of the digits read back, written as a whole number and a power of ten so that no
// regional decimal mark comes into it.
double readBack(const Digits &d) {
    const std::string text =
        d.digits + "e" + std::to_string(d.exponent - static_cast<int>(d.digits.size()) + 1);
    return std::strtod(text.c_str(), nullptr);
}

// The digits one unit in the last place up or down, as long as before.
Digits stepped(Digits d, bool up) {
    std::size_t i = d.digits.size();
    while (i-- > 0) {
        char &c = d.digits[i];
        if (up ? c != '9' : c != '0') {
            c = static_cast<char>(c + (up ? 1 : -1));
            break;
        }
        c = up ? '0' : '9';
    }
    if (up && i == static_cast<std::size_t>(-1)) { // 999 up is 1000: one digit more
        d.digits.insert(0, "1");
        d.digits.pop_back();
        ++d.exponent;
    } else if (!up && d.digits[0] == '0') { // 100 down is 099
        d.digits.erase(0, 1);
        d.digits += '9';
        --d.exponent;
    }
    return d;
}

// The PRECISION-digit form of a positive finite magnitude that reads back as it: the correctly
// rounded one, or else its neighbour where the double's interval reaches that one only.
std::optional<Digits> shortestAt(double magnitude, int precision) {
    char text[48];
    std::snprintf(text, sizeof text, "%.*e", precision - 1, magnitude);
    Digits d{"", 0};
    const char *c = text;
    for (; *c && *c != 'e'; ++c)
        if (*c >= '0' && *c <= '9')
            d.digits += *c;
    d.exponent = std::atoi(c + 1);
    for (const Digits &candidate : {d, stepped(d, true), stepped(d, false)})
        if (readBack(candidate) == magnitude) {
            Digits found = candidate;
            while (found.digits.size() > 1 && found.digits.back() == '0')
                found.digits.pop_back();
            return found;
        }
    return std::nullopt;
}

std::string plain(const Digits &d) {
    const int n = static_cast<int>(d.digits.size());
    if (d.exponent >= n - 1)
        return d.digits + std::string(static_cast<std::size_t>(d.exponent - (n - 1)), '0');
    if (d.exponent >= 0)
        return d.digits.substr(0, static_cast<std::size_t>(d.exponent + 1)) + "." +
               d.digits.substr(static_cast<std::size_t>(d.exponent + 1));
    return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
}

std::string scientific(const Digits &d) {
    std::string text = d.digits.substr(0, 1);
    if (d.digits.size() > 1)
        text += "." + d.digits.substr(1);
    const int magnitude = std::abs(d.exponent);
    return text + (d.exponent < 0 ? "e-" : "e+") + (magnitude < 10 ? "0" : "") +
           std::to_string(magnitude);
}

} // namespace

std::string portableNumberText(double value) {
    if (value == 0)
        return std::signbit(value) ? "-0" : "0";
    const double magnitude = std::fabs(value);
    std::optional<Digits> d;
    for (int precision = 1; !d && precision <= 17; ++precision)
        d = shortestAt(magnitude, precision);
    const std::string exponential = scientific(*d);
    std::string fixed = plain(*d);
    // A whole number written plainly has all its digits, as exact as the double.
    if (exponential.size() >= fixed.size() &&
        d->exponent + 1 >= static_cast<int>(d->digits.size())) {
        char whole[400];
        std::snprintf(whole, sizeof whole, "%.0f", magnitude);
        fixed = whole;
    }
    return (value < 0 ? "-" : "") + (exponential.size() < fixed.size() ? exponential : fixed);
}

} // namespace liftcalc::json
