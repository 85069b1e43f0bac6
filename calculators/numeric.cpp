// SPDX-License-Identifier: MIT
#include "numeric.h"

#include "calculators/float_text.h"
#include "calculators/group_marks.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace liftcalc {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// A decimal number taken apart: significant digits without leading or trailing zeros, and the
// power of ten of the first of them. No digits means zero.
struct Decimal {
    bool negative = false;
    std::string digits;
    std::int64_t exponent = 0;
};

// An exponent is read up to this magnitude and saturates there. No text is long enough for its
// digits to move the first significant digit that far, so a saturated exponent is always
// beyond the double range on its own side, and the sums below cannot overflow.
constexpr std::int64_t kExponentLimit = 1'000'000'000'000'000;

// Collects the mantissa digits of a number as it is read: whole part, then fraction.
class DecimalBuilder {
public:
    void addWholeDigit(char d) {
        if (digits_.empty() && d == '0')
            return;
        digits_.push_back(d);
        ++wholeSignificant_;
    }
    void addFractionDigit(char d) {
        if (digits_.empty() && d == '0') {
            ++leadingFractionZeros_;
            return;
        }
        digits_.push_back(d);
    }
    Decimal build(bool negative, std::int64_t exponent) {
        Decimal result{negative, std::move(digits_), 0};
        while (!result.digits.empty() && result.digits.back() == '0')
            result.digits.pop_back();
        std::int64_t first =
            wholeSignificant_ > 0 ? wholeSignificant_ - 1 : -(leadingFractionZeros_ + 1);
        result.exponent = first + exponent;
        return result;
    }

private:
    std::string digits_;
    std::int64_t wholeSignificant_ = 0;
    std::int64_t leadingFractionZeros_ = 0;
};

// The double nearest to the decimal; nothing when its magnitude is beyond the double range.
// Magnitudes below the smallest double become zero.
std::optional<double> toDouble(const Decimal &d) {
    if (d.digits.empty())
        return d.negative ? -0.0 : 0.0;
    if (d.exponent > 400)
        return std::nullopt;
    if (d.exponent < -400)
        return d.negative ? -0.0 : 0.0;
    auto value = float_text::nearestDouble(d.digits, d.exponent);
    if (!value)
        return std::nullopt;
    return d.negative ? -*value : *value;
}

// Reads digits into an exponent, saturating far beyond the double range.
std::int64_t readExponentDigits(std::string_view s, std::size_t &i) {
    std::int64_t e = 0;
    while (i < s.size() && isDigit(s[i])) {
        e = std::min<std::int64_t>(e * 10 + (s[i] - '0'), kExponentLimit);
        ++i;
    }
    return e;
}

double lenientRadixValue(std::string_view s, int radix) {
    double value = 0;
    for (char c : s) {
        int digit = isDigit(c)               ? c - '0'
                    : (c >= 'a' && c <= 'f') ? c - 'a' + 10
                    : (c >= 'A' && c <= 'F') ? c - 'A' + 10
                                             : radix;
        if (digit >= radix)
            break;
        value = value * radix + digit;
    }
    return value;
}

bool startsWith(std::string_view s, std::size_t at, std::string_view what) {
    return !what.empty() && at < s.size() && s[at] == what[0] && s.substr(at, what.size()) == what;
}

std::string nonFiniteText(double value) {
    if (std::isnan(value))
        return "NaN";
    return value < 0 ? "-Infinity" : "Infinity";
}

std::string groupedInThrees(std::string_view whole, std::string_view separator) {
    std::string out;
    out.reserve(whole.size() + whole.size() / 3 * separator.size());
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            out += separator;
        out += whole[i];
    }
    return out;
}

// Adds one to a string of decimal digits.
void incrementDigits(std::string &digits) {
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return;
        }
        *it = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Digits, grouped in threes or not, with at most one decimal separator and fifteen digits: the
// figures a person types and the calculators write. Such digits are a whole number a double
// holds exactly, so one division by a power of ten gives the nearest double, as the full
// reading below does. Anything else (a sign, an exponent, a grouping the full reading might
// refuse, a regional format in which the decimal separator could also group) is left to it.
std::optional<double> figureQuickly(std::string_view text, const NumberFormat &format) {
    const std::string_view decimal = format.decimal;
    if ((decimal != "." && decimal != ",") || format.group.find(decimal[0]) != std::string::npos ||
        startsWith(text, 0, format.minus))
        return std::nullopt;
    const auto separators = groupSeparators(format);
    std::uint64_t whole = 0;
    std::size_t digits = 0, fractionDigits = 0, groupStart = 0;
    bool point = false, grouped = false;
    // A group ending here is well formed: the first one to three digits not starting with 0,
    // every later one three digits.
    auto groupEnds = [&](std::size_t at) {
        const std::size_t length = at - groupStart;
        return grouped ? length == 3 : length > 0 && length <= 3 && text[groupStart] != '0';
    };
    for (std::size_t i = 0; i < text.size();) {
        if (isDigit(text[i])) {
            if (++digits > 15)
                return std::nullopt;
            whole = whole * 10 + static_cast<std::uint64_t>(text[i] - '0');
            fractionDigits += point ? 1 : 0;
            ++i;
        } else if (const std::size_t sep = point ? 0 : groupSeparatorAt(text, i, separators)) {
            if (!groupEnds(i))
                return std::nullopt;
            grouped = true;
            i += sep;
            groupStart = i;
        } else if (text[i] == decimal[0] && !point) {
            if (grouped && !groupEnds(i))
                return std::nullopt;
            point = true;
            ++i;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || (grouped && !point && !groupEnds(text.size())))
        return std::nullopt;
    return float_text::scaledWhole(whole, -static_cast<long long>(fractionDigits));
}

} // namespace

double lenientValue(std::string_view text, const NumberFormat &format) {
    std::string s;
    s.reserve(text.size());
    for (char c : text)
        if (c != ' ' && c != '\t' && c != '\n')
            s += c;

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return lenientRadixValue(std::string_view(s).substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o')
            return lenientRadixValue(std::string_view(s).substr(2), 8);
    }

    std::size_t i = 0;
    bool negative = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        negative = s[i++] == '-';

    DecimalBuilder number;
    bool anyDigit = false;
    for (; i < s.size() && isDigit(s[i]); ++i, anyDigit = true)
        number.addWholeDigit(s[i]);
    std::size_t separator = s[i] == '.'                        ? 1
                            : startsWith(s, i, format.decimal) ? format.decimal.size()
                                                               : 0;
    if (i < s.size() && separator > 0) {
        i += separator;
        for (; i < s.size() && isDigit(s[i]); ++i, anyDigit = true)
            number.addFractionDigit(s[i]);
    }
    if (!anyDigit)
        return 0;

    std::int64_t exponent = 0;
    if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            negativeExponent = s[j++] == '-';
        if (j < s.size() && isDigit(s[j])) {
            exponent = readExponentDigits(s, j);
            if (negativeExponent)
                exponent = -exponent;
        }
    }
    auto value = toDouble(number.build(negative, exponent));
    if (!value)
        return negative ? -std::numeric_limits<double>::infinity()
                        : std::numeric_limits<double>::infinity();
    return *value;
}

std::optional<double> strictValue(std::string_view text, const NumberFormat &format) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    if (auto quick = figureQuickly(text, format))
        return quick;

    std::size_t i = 0;
    bool negative = false;
    if (startsWith(text, i, "+")) {
        ++i;
    } else if (startsWith(text, i, "-")) {
        negative = true;
        ++i;
    } else if (startsWith(text, i, format.minus)) {
        negative = true;
        i += format.minus.size();
    }

    // The whole part is plain digits, or grouped in threes after a first group of one to three
    // digits: a separator anywhere else would silently make the figure ten to a thousand
    // times larger ("5,5", "0.508" in German), so it makes the text no number.
    const auto separators = groupSeparators(format);
    DecimalBuilder number;
    bool anyDigit = false;
    bool grouped = false;
    std::size_t groupStart = i;
    for (;;) {
        for (; i < text.size() && isDigit(text[i]); ++i, anyDigit = true)
            number.addWholeDigit(text[i]);
        const std::size_t groupLength = i - groupStart;
        const std::size_t sep = groupSeparatorAt(text, i, separators);
        const bool separatorFollows = sep > 0 && i + sep < text.size() && isDigit(text[i + sep]);
        if (grouped ? groupLength != 3
                    : separatorFollows &&
                          (groupLength == 0 || groupLength > 3 || text[groupStart] == '0'))
            return std::nullopt;
        if (!separatorFollows)
            break;
        grouped = true;
        i += sep;
        groupStart = i;
    }
    if (startsWith(text, i, format.decimal)) {
        i += format.decimal.size();
        for (; i < text.size() && isDigit(text[i]); ++i, anyDigit = true)
            number.addFractionDigit(text[i]);
    }
    if (!anyDigit)
        return std::nullopt;

    std::int64_t exponent = 0;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        bool negativeExponent = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-'))
            negativeExponent = text[i++] == '-';
        if (i >= text.size() || !isDigit(text[i]))
            return std::nullopt;
        exponent = readExponentDigits(text, i);
        if (negativeExponent)
            exponent = -exponent;
    }
    if (i != text.size())
        return std::nullopt;
    return toDouble(number.build(negative, exponent));
}

std::string plainText(double value, const NumberFormat &format) {
    if (!std::isfinite(value))
        return nonFiniteText(value);
    if (value == 0)
        return "0";
    auto [digits, exponent] = float_text::fifteenDigits(std::fabs(value));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();

    std::string out = value < 0 ? format.minus : std::string();
    if (exponent >= 15 || exponent < -4) {
        out += digits[0];
        if (digits.size() > 1)
            out += format.decimal + digits.substr(1);
        std::string power = std::to_string(std::abs(exponent));
        out += std::string(exponent < 0 ? "E-" : "E+") + (power.size() < 2 ? "0" : "") + power;
    } else if (exponent >= 0) {
        std::size_t whole = static_cast<std::size_t>(exponent) + 1;
        if (digits.size() <= whole) {
            out += digits + std::string(whole - digits.size(), '0');
        } else {
            out += digits.substr(0, whole) + format.decimal + digits.substr(whole);
        }
    } else {
        out += "0" + format.decimal + std::string(-exponent - 1, '0') + digits;
    }
    return out;
}

std::string answerText(double value, const NumberFormat &format) {
    if (!std::isfinite(value))
        return nonFiniteText(value);

    // The value in thousandths, as a string of digits.
    std::string thousandths = "0";
    if (value != 0) {
        auto [digits, exponent] = float_text::fifteenDigits(std::fabs(value));
        long kept = static_cast<long>(exponent) + 4; // digits at or above the thousandths
        if (kept >= static_cast<long>(digits.size())) {
            thousandths = digits + std::string(kept - digits.size(), '0');
        } else if (kept >= 0) {
            thousandths = kept > 0 ? digits.substr(0, kept) : "0";
            if (digits[kept] >= '5')
                incrementDigits(thousandths);
        }
    }
    thousandths.erase(0, std::min(thousandths.find_first_not_of('0'), thousandths.size()));
    if (thousandths.empty())
        return "0" + format.decimal + "000";
    if (thousandths.size() < 4)
        thousandths.insert(0, 4 - thousandths.size(), '0');

    std::string_view all = thousandths;
    std::string out = value < 0 ? format.minus : std::string();
    out += groupedInThrees(all.substr(0, all.size() - 3), format.group);
    out += format.decimal;
    out += all.substr(all.size() - 3);
    return out;
}

std::optional<double> roundToThousandths(double value, const NumberFormat &format) {
    return strictValue(answerText(value, format), format);
}

} // namespace liftcalc
