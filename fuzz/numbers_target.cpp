// SPDX-License-Identifier: MIT
// Fuzz target: the number conventions. The first byte picks the regional settings; the rest is
// a field's text, and its first eight bytes are also taken as a double's bit pattern, so every
// double, subnormals and the largest included, reaches the two output forms.
#include "calculators/numeric.h"
#include "calculators/utf8_text.h"
#include "fuzz/check.h"
#include "platform/locale_format.h"
#include "tests/support/number_formats.h"

#include <algorithm>
#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace liftcalc::fuzz {
namespace {

// The regional settings the program meets in practice, as the desktop's locales give them:
// comma and point grouping, the narrow no-break space, the typographic apostrophe, and a
// no-break space with a typographic minus sign.
const std::vector<NumberFormat> &supportedFormats() {
    static const std::vector<NumberFormat> formats = [] {
        std::vector<NumberFormat> all;
        for (const auto &[name, locale, pinned] : testing::kAllFormats) {
            if (locale.empty())
                continue;
            auto format = numberFormatNamed(locale);
            if (format != *pinned)
                fail("the regional settings of " + std::string(locale) + " are not the " +
                     std::string(name) + " ones the tests pin");
            all.push_back(*format);
        }
        return all;
    }();
    return formats;
}

// The largest magnitude whose 15-significant-digit form is still a double; beyond it both
// output forms write a figure the double range cannot hold.
constexpr double kLargestWritable = 1.79769313486231e308;

// Code units of the UTF-16 form, counted from a well-formed UTF-8 text; -1 if it is not one.
int utf16UnitsOfWellFormed(std::string_view s) {
    int units = 0;
    for (std::size_t i = 0; i < s.size();) {
        const auto c = static_cast<unsigned char>(s[i]);
        std::size_t length = c < 0x80   ? 1
                             : c < 0xC2 ? 0
                             : c < 0xE0 ? 2
                             : c < 0xF0 ? 3
                             : c < 0xF5 ? 4
                                        : 0;
        if (length == 0 || i + length > s.size())
            return -1;
        std::uint32_t code = length == 1 ? c : c & (0x7F >> length);
        for (std::size_t k = 1; k < length; ++k) {
            const auto t = static_cast<unsigned char>(s[i + k]);
            if ((t & 0xC0) != 0x80)
                return -1;
            code = code << 6 | (t & 0x3F);
        }
        const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
        if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
            return -1;
        units += code >= 0x10000 ? 2 : 1;
        i += length;
    }
    return units;
}

bool contains(std::string_view text, std::string_view part) {
    return !part.empty() && text.find(part) != std::string_view::npos;
}

// The separators that group in this format: where the group is a kind of space, every kind a
// person or a program puts between groups (the thin space too); where it is an apostrophe, the
// ASCII, typographic and modifier-letter ones. A point or a comma stands alone.
std::vector<std::string_view> groupSeparatorsOf(const NumberFormat &f) {
    const std::vector<std::vector<std::string_view>> families = {
        {" ", "\u00A0", "\u202F", "\u2009"}, {"'", "\u2019", "\u02BC"}};
    for (const auto &family : families)
        if (f.group != "\u2009" && std::find(family.begin(), family.end(), f.group) != family.end())
            return family;
    return {f.group};
}

// Whether the text holds anything the lenient reading treats differently from the strict one:
// grouping (but a plain space, which the lenient reading drops as a blank), a minus sign other
// than the hyphen, or a carriage return, which only the strict reading takes as a blank.
bool readsAlikeBothWays(std::string_view text, const NumberFormat &f) {
    for (auto g : groupSeparatorsOf(f))
        if (g != " " && contains(text, g))
            return false;
    if (contains(text, f.group) || contains(text, "\r"))
        return false;
    return f.minus == "-" || !contains(text, f.minus);
}

// "1,234.567": an optional minus, whole digits grouped in threes, the separator, three digits.
bool isAnswerShape(std::string_view text, const NumberFormat &f) {
    if (text.starts_with(f.minus))
        text.remove_prefix(f.minus.size());
    if (text.size() < f.decimal.size() + 4)
        return false;
    const std::string_view decimals = text.substr(text.size() - 3);
    text.remove_suffix(3);
    if (!text.ends_with(f.decimal))
        return false;
    text.remove_suffix(f.decimal.size());
    auto allDigits = [](std::string_view s) {
        return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
    };
    if (!allDigits(decimals))
        return false;
    // Whole part: the last group has three digits, the first one to three.
    while (text.size() > 3) {
        if (!allDigits(text.substr(text.size() - 3)))
            return false;
        text.remove_suffix(3);
        if (!text.ends_with(f.group))
            return false;
        text.remove_suffix(f.group.size());
    }
    return allDigits(text);
}

// The text with every grouping separator taken out; nothing when it holds none.
std::optional<std::string> withoutGrouping(std::string_view text, const NumberFormat &f) {
    std::string out;
    bool found = false;
    for (std::size_t i = 0; i < text.size();) {
        bool separator = false;
        for (auto g : groupSeparatorsOf(f))
            if (text.substr(i, g.size()) == g) {
                i += g.size();
                separator = found = true;
                break;
            }
        if (!separator)
            out += text[i++];
    }
    return found ? std::optional(out) : std::nullopt;
}

bool isDigitAt(std::string_view s, std::size_t i) {
    return i < s.size() && s[i] >= '0' && s[i] <= '9';
}

// A text the strict reading takes with grouping has it only where it groups: every separator is
// followed by exactly three digits and then another separator, the decimal separator, the
// exponent or the end, and the digits before the first one are one to three, not from 0.
void checkGroupingPlacement(std::string_view text, double value, const NumberFormat &f) {
    // Blanks at either end are no grouping, even where a space groups.
    const auto first = text.find_first_not_of(" \t\n\r");
    text = first == std::string_view::npos
               ? std::string_view()
               : text.substr(first, text.find_last_not_of(" \t\n\r") - first + 1);
    const auto plain = withoutGrouping(text, f);
    if (!plain)
        return;
    const auto again = strictValue(*plain, f);
    LIFTCALC_EXPECT(again && *again == value,
                    "strict reads " + quoted(text) + " unlike its ungrouped " + quoted(*plain));
    const auto separators = groupSeparatorsOf(f);
    bool firstSeparator = true;
    for (std::size_t i = 0; i < text.size(); ++i) {
        std::size_t length = 0;
        for (auto g : separators)
            if (text.substr(i, g.size()) == g)
                length = g.size();
        if (length == 0)
            continue;
        if (firstSeparator) {
            std::size_t start = i;
            while (start > 0 && isDigitAt(text, start - 1))
                --start;
            LIFTCALC_EXPECT(i - start >= 1 && i - start <= 3 && text[start] != '0',
                            "strict takes a first group of " + std::to_string(i - start) +
                                " digits in " + quoted(text));
            firstSeparator = false;
        }
        std::size_t end = i + length;
        while (isDigitAt(text, end))
            ++end;
        const std::string_view after = text.substr(end);
        const bool boundary = after.empty() || after[0] == 'e' || after[0] == 'E' ||
                              after.starts_with(f.decimal) ||
                              std::any_of(separators.begin(), separators.end(),
                                          [&](auto g) { return after.starts_with(g); });
        LIFTCALC_EXPECT(end - i - length == 3 && boundary, "strict takes a separator followed by " +
                                                               std::to_string(end - i - length) +
                                                               " digits in " + quoted(text));
    }
}

// An independent reading: for text made only of digits, signs, exponent letters and the
// regional decimal separator, the strict reading is the C library's strtod in the "C" locale
// on the same text with the point for the separator (and the hyphen for a leading regional
// minus sign).
void checkAgainstTheCLibrary(std::string_view text, std::optional<double> strict,
                             const NumberFormat &f) {
    std::string c;
    for (std::size_t i = 0; i < text.size();) {
        if (text.substr(i).starts_with(f.decimal)) {
            c += '.';
            i += f.decimal.size();
        } else if (i == 0 && text.starts_with(f.minus)) {
            c += '-';
            i += f.minus.size();
        } else if (std::string_view("0123456789+-eE").find(text[i]) != std::string_view::npos) {
            c += text[i++];
        } else {
            return;
        }
    }
    char *end = nullptr;
    const double reference = std::strtod(c.c_str(), &end);
    const bool whole = !c.empty() && end == c.c_str() + c.size() && !std::isinf(reference);
    LIFTCALC_EXPECT(whole == strict.has_value(),
                    (strict ? "strict takes " : "strict refuses ") + quoted(text) +
                        (whole ? "; strtod reads it" : "; strtod does not read it"));
    if (whole)
        LIFTCALC_EXPECT(*strict == reference, "strict reads " + quoted(text) + " as " +
                                                  plainText(*strict, NumberFormat::english()) +
                                                  ", strtod as " +
                                                  plainText(reference, NumberFormat::english()));
}

// The three-decimal text computed separately: the value's 15 significant digits from printf,
// laid out as a fixed decimal, cut after three decimals and rounded half away from zero by
// carrying through the digits, then grouped in threes.
std::string referenceAnswerText(double v, const NumberFormat &f) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(v));
    const std::string_view printed = buffer;
    const std::string digits =
        std::string(printed.substr(0, 1)) + std::string(printed.substr(2, 14));
    const int exponent = std::atoi(buffer + printed.find('e') + 1);
    // Digits of the magnitude in thousandths, one more behind them to decide the rounding.
    std::string fixed;
    for (int position = std::max(exponent, 0); position >= -4; --position) {
        const int index = exponent - position;
        fixed += index >= 0 && index < 15 ? digits[index] : '0';
    }
    const bool up = fixed.back() >= '5';
    fixed.pop_back();
    for (int i = static_cast<int>(fixed.size()) - 1; up && i >= -1; --i) {
        if (i == -1) {
            fixed.insert(fixed.begin(), '1');
            break;
        }
        if (fixed[i] == '9') {
            fixed[i] = '0';
        } else {
            ++fixed[i];
            break;
        }
    }
    const std::string whole = fixed.substr(0, fixed.size() - 3);
    const std::string trimmed =
        whole.substr(std::min(whole.find_first_not_of('0'), whole.size() - 1));
    std::string out;
    for (std::size_t i = 0; i < trimmed.size(); ++i) {
        if (i > 0 && (trimmed.size() - i) % 3 == 0)
            out += f.group;
        out += trimmed[i];
    }
    out += f.decimal + fixed.substr(fixed.size() - 3);
    const bool zero = fixed.find_first_not_of('0') == std::string::npos;
    return (v < 0 && !zero ? f.minus : std::string()) + out;
}

void checkPlainText(double v, const NumberFormat &f) {
    const std::string text = plainText(v, f);
    const std::string shown =
        "plainText(" + plainText(v, NumberFormat::english()) + ") = " + quoted(text);
    LIFTCALC_EXPECT(!contains(text, f.group), shown + " has grouping");
    const auto back = strictValue(text, f);
    LIFTCALC_EXPECT(back.has_value(), "strict refuses " + shown);
    LIFTCALC_EXPECT(std::fabs(*back - v) <= std::fabs(v) * 6e-15 + DBL_TRUE_MIN,
                    "strict reads " + shown + " as " + plainText(*back, NumberFormat::english()));
    LIFTCALC_EXPECT((*back < 0) == (v < 0 && text != "0"), "sign lost in " + shown);
    if (v == 0)
        LIFTCALC_EXPECT(text == "0", shown + " for zero");
    // Fifteen significant digits survive the double, so writing what was read gives the text
    // again; subnormals hold fewer digits.
    if (std::fabs(v) >= DBL_MIN)
        LIFTCALC_EXPECT(plainText(*back, f) == text, shown + " is not written again the same");
    const double m = std::fabs(*back);
    const bool exponentForm = contains(text, "E");
    LIFTCALC_EXPECT(m == 0 || exponentForm == (m >= 1e15 || m < 1e-4),
                    shown + ": exponent form misplaced");
    const auto separator = text.find(f.decimal);
    if (separator != std::string::npos && !exponentForm)
        LIFTCALC_EXPECT(text.back() != '0', shown + " has trailing zeros");
}

void checkAnswerText(double v, const NumberFormat &f) {
    const std::string text = answerText(v, f);
    const std::string shown =
        "answerText(" + plainText(v, NumberFormat::english()) + ") = " + quoted(text);
    LIFTCALC_EXPECT(isAnswerShape(text, f), shown + " is not in the answer form");
    LIFTCALC_EXPECT(text == referenceAnswerText(v, f),
                    shown + ", rounded separately " + quoted(referenceAnswerText(v, f)));
    const auto back = strictValue(text, f);
    LIFTCALC_EXPECT(back.has_value(), "strict refuses " + shown);
    LIFTCALC_EXPECT(std::fabs(*back - v) <= 0.0005 + std::fabs(v) * 6e-15,
                    "strict reads " + shown + " as " + plainText(*back, NumberFormat::english()));
    if (*back == 0)
        LIFTCALC_EXPECT(!text.starts_with(f.minus), shown + ": zero with a sign");
    LIFTCALC_EXPECT(answerText(*back, f) == text, shown + " is not written again the same");
    // Typed again with a look-alike of the grouping mark in each place, it reads the same.
    for (auto member : groupSeparatorsOf(f)) {
        std::string retyped;
        for (std::size_t i = 0; i < text.size();)
            if (text.compare(i, f.group.size(), f.group) == 0) {
                retyped += member;
                i += f.group.size();
            } else {
                retyped += text[i++];
            }
        const auto again = strictValue(retyped, f);
        LIFTCALC_EXPECT(again && *again == *back,
                        "strict reads " + quoted(retyped) + " unlike " + shown);
    }

    // Rounding to three decimals is reading the answer text back, and doing it twice changes
    // nothing; the rounded figure, written plain, has at most three decimals.
    const auto rounded = roundToThousandths(v, f);
    LIFTCALC_EXPECT(rounded && *rounded == *back, "roundToThousandths disagrees with " + shown);
    const auto again = roundToThousandths(*rounded, f);
    LIFTCALC_EXPECT(again && *again == *rounded, "rounding " + shown + " twice moves it");
    const std::string plain = plainText(*rounded, f);
    const auto separator = plain.find(f.decimal);
    if (!contains(plain, "E") && separator != std::string::npos)
        LIFTCALC_EXPECT(plain.size() - separator - f.decimal.size() <= 3,
                        "rounded " + shown + " written plain as " + quoted(plain));
}

void checkDouble(double v, const NumberFormat &f) {
    if (!std::isfinite(v) || std::fabs(v) > kLargestWritable)
        return;
    checkPlainText(v, f);
    checkAnswerText(v, f);
}

void checkText(std::string_view text, const NumberFormat &f) {
    const double lenient = lenientValue(text, f);
    LIFTCALC_EXPECT(!std::isnan(lenient), "lenient reads " + quoted(text) + " as NaN");
    const auto strict = strictValue(text, f);
    checkAgainstTheCLibrary(text, strict, f);
    if (strict) {
        checkGroupingPlacement(text, *strict, f);
        LIFTCALC_EXPECT(std::isfinite(*strict), "strict reads " + quoted(text) + " as infinite");
        if (readsAlikeBothWays(text, f))
            LIFTCALC_EXPECT(lenient == *strict || (lenient == 0 && *strict == 0),
                            "lenient and strict differ on " + quoted(text));
        checkDouble(*strict, f);
    }
    checkDouble(lenient, f);

    // A field shows text as a text box does: well-formed UTF-8, its length in UTF-16 units.
    const std::string shown = validUtf8(text);
    const int units = utf16UnitsOfWellFormed(shown);
    LIFTCALC_EXPECT(units >= 0, "validUtf8 leaves " + quoted(shown) + " ill-formed");
    LIFTCALC_EXPECT(utf16Length(shown) == units, "utf16Length(" + quoted(shown) + ")");
    LIFTCALC_EXPECT(validUtf8(shown) == shown, "validUtf8 changes well-formed " + quoted(shown));
    if (utf16UnitsOfWellFormed(text) >= 0)
        LIFTCALC_EXPECT(shown == text, "validUtf8 changes well-formed " + quoted(text));
}

} // namespace
} // namespace liftcalc::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    using namespace liftcalc::fuzz;
    if (size == 0)
        return 0;
    const auto &formats = supportedFormats();
    const auto &format = formats[data[0] % formats.size()];
    const std::string_view text(reinterpret_cast<const char *>(data + 1), size - 1);
    checkText(text, format);
    if (text.size() >= sizeof(double)) {
        double bits;
        std::memcpy(&bits, text.data(), sizeof bits);
        checkDouble(bits, format);
    }
    return 0;
}
