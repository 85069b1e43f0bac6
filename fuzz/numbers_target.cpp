// SPDX-License-Identifier: MIT
// Fuzz target: the number conventions. The first byte picks the regional settings; the rest is
// a field's text, and its first eight bytes are also taken as a double's bit pattern, so every
// double, subnormals and the largest included, reaches the two output forms.
#include "calculators/numeric.h"
#include "fuzz/check.h"
#include "platform/locale_format.h"

#include <array>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace liftcalc::fuzz {
namespace {

// The regional settings the program meets in practice: comma and point grouping, the narrow
// no-break space, the apostrophe, and a no-break space with a typographic minus sign.
const std::vector<NumberFormat> &supportedFormats() {
    static const std::vector<NumberFormat> formats = [] {
        std::vector<NumberFormat> all;
        for (const char *name : {"en_US", "de_DE", "fr_FR", "de_CH", "sv_SE"}) {
            auto format = numberFormatNamed(name);
            if (!format)
                fail(std::string("no regional settings for ") + name);
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

// Whether the text holds anything the lenient reading treats differently from the strict one:
// grouping (any kind of space counts where the group is one), a minus sign other than the
// hyphen, or a carriage return, which only the strict reading takes as a blank.
bool readsAlikeBothWays(std::string_view text, const NumberFormat &f) {
    const bool spaceGroup = f.group == " " || f.group == "\u00A0" || f.group == "\u202F";
    if (contains(text, f.group) || contains(text, "\r"))
        return false;
    if (spaceGroup && (contains(text, "\u00A0") || contains(text, "\u202F")))
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
    const auto back = strictValue(text, f);
    LIFTCALC_EXPECT(back.has_value(), "strict refuses " + shown);
    LIFTCALC_EXPECT(std::fabs(*back - v) <= 0.0005 + std::fabs(v) * 6e-15,
                    "strict reads " + shown + " as " + plainText(*back, NumberFormat::english()));
    if (*back == 0)
        LIFTCALC_EXPECT(!text.starts_with(f.minus), shown + ": zero with a sign");
    LIFTCALC_EXPECT(answerText(*back, f) == text, shown + " is not written again the same");

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
    if (strict) {
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
