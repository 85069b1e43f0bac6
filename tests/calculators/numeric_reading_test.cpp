// SPDX-License-Identifier: MIT
// Reading a field's text as a number: the lenient reading behind the "above zero" tests, and the
// strict reading behind every figure a calculation uses.
#include "tests/support/number_formats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <random>
#include <string>

namespace liftcalc::testing {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

struct LenientCase {
    const char *name;
    const NumberFormat *format;
    std::string text;
    double expected;
};

std::ostream &operator<<(std::ostream &out, const LenientCase &c) {
    return out << c.name;
}

class LenientReading : public ::testing::TestWithParam<LenientCase> {};

// The longest leading number is read; anything that is no number reads as 0, and nothing fails.
TEST_P(LenientReading, ReadsTheLeadingNumber) {
    const auto &c = GetParam();
    const double value = lenientValue(c.text, *c.format);
    EXPECT_EQ(value, c.expected) << "text \"" << c.text << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LenientReading,
    ::testing::Values(
        LenientCase{"Empty", &kEnglish, "", 0}, LenientCase{"BlanksOnly", &kEnglish, " \t\n ", 0},
        LenientCase{"LonePlus", &kEnglish, "+", 0}, LenientCase{"LoneMinus", &kEnglish, "-", 0},
        LenientCase{"LonePoint", &kEnglish, ".", 0}, LenientCase{"LoneComma", &kEnglish, ",", 0},
        LenientCase{"Letters", &kEnglish, "abc", 0},
        LenientCase{"GroupingNotRecognised", &kEnglish, "1,500", 1},
        LenientCase{"UnitAfterNumber", &kEnglish, "500 psi", 500},
        LenientCase{"BlanksInsideAreRemoved", &kEnglish, " 1 0\t0\n0 ", 1000},
        LenientCase{"BlankAfterSign", &kEnglish, "- 5", -5},
        LenientCase{"PlusSign", &kEnglish, "+2.5", 2.5},
        LenientCase{"NegativeZero", &kEnglish, "-0", 0},
        LenientCase{"Overflow", &kEnglish, "1e999", kInf},
        LenientCase{"NegativeOverflow", &kEnglish, "-1e999", -kInf},
        LenientCase{"Underflow", &kEnglish, "1e-999", 0},
        LenientCase{"ExponentWithoutDigits", &kEnglish, "1e", 1},
        LenientCase{"ExponentSignWithoutDigits", &kEnglish, "2E+", 2},
        LenientCase{"Exponent", &kEnglish, "1.5E3", 1500},
        LenientCase{"NegativeExponent", &kEnglish, "25e-1", 2.5},
        LenientCase{"TwoPoints", &kEnglish, "1..5", 1},
        LenientCase{"LeadingPoint", &kEnglish, ".5", 0.5},
        LenientCase{"TrailingPoint", &kEnglish, "5.", 5},
        LenientCase{"HexPrefixAlone", &kEnglish, "&H", 0},
        LenientCase{"Hex", &kEnglish, "&H10", 16},
        LenientCase{"HexLowerCase", &kEnglish, "&h1f", 31},
        LenientCase{"WideHex", &kEnglish, "&HFFFFFFFFFFFF", 281474976710655.0},
        LenientCase{"Octal", &kEnglish, "&O17", 15},
        LenientCase{"OctalStopsAtEight", &kEnglish, "&O78", 7},
        LenientCase{"Infinity", &kEnglish, "inf", 0}, LenientCase{"NaN", &kEnglish, "nan", 0},
        LenientCase{"CHex", &kEnglish, "0x10", 0},
        LenientCase{"FullwidthDigits", &kEnglish, "\uFF11\uFF12", 0},
        LenientCase{"ArabicIndicDigit", &kEnglish, "\u0663", 0},
        LenientCase{"NumberThenLetters", &kEnglish, "12abc", 12},
        LenientCase{"NumberThenAccentedLetter", &kEnglish, "7\u00E9", 7},
        LenientCase{"GermanDecimalComma", &kGerman, "0,508", 0.508},
        LenientCase{"GermanPointStillDecimal", &kGerman, "0.508", 0.508},
        LenientCase{"GermanCommaNumber", &kGerman, "1,500", 1.5},
        LenientCase{"GermanGroupedAnswer", &kGerman, "9.817,469", 9.817},
        LenientCase{"FrenchDecimalComma", &kFrench, "12,5", 12.5},
        LenientCase{"FrenchSpaceRemoved", &kFrench, "20 000", 20000},
        LenientCase{"FrenchNarrowSpaceStops", &kFrench, "20\u202F000", 20},
        LenientCase{"SwissApostropheStops", &kSwiss, "1\u2019234.5", 1}),
    [](const auto &info) { return std::string(info.param.name); });

struct StrictCase {
    const char *name;
    const NumberFormat *format;
    std::string text;
    std::optional<double> expected; // nothing: a conversion error
};

std::ostream &operator<<(std::ostream &out, const StrictCase &c) {
    return out << c.name;
}

class StrictReading : public ::testing::TestWithParam<StrictCase> {};

// The whole text must be one number in the regional format, or it is a conversion error.
TEST_P(StrictReading, ReadsTheWholeTextOrRefuses) {
    const auto &c = GetParam();
    const auto value = strictValue(c.text, *c.format);
    if (!c.expected) {
        EXPECT_FALSE(value.has_value()) << "text \"" << c.text << "\" read as " << *value;
        return;
    }
    ASSERT_TRUE(value.has_value()) << "text \"" << c.text << "\" refused";
    EXPECT_EQ(*value, *c.expected) << "text \"" << c.text << "\"";
}

constexpr std::nullopt_t kRefused = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Cases, StrictReading,
    ::testing::Values(
        StrictCase{"Empty", &kEnglish, "", kRefused},
        StrictCase{"BlanksOnly", &kEnglish, " \t ", kRefused},
        StrictCase{"LonePlus", &kEnglish, "+", kRefused},
        StrictCase{"LoneMinus", &kEnglish, "-", kRefused},
        StrictCase{"LonePoint", &kEnglish, ".", kRefused},
        StrictCase{"LoneComma", &kEnglish, ",", kRefused},
        StrictCase{"Grouped", &kEnglish, "1,500", 1500.0},
        StrictCase{"GroupedTwice", &kEnglish, "1,234,567.5", 1234567.5},
        StrictCase{"UnitAfterNumber", &kEnglish, "500 psi", kRefused},
        StrictCase{"NumberThenLetters", &kEnglish, "12abc", kRefused},
        StrictCase{"BlanksAtEdges", &kEnglish, " \t42 \n", 42.0},
        StrictCase{"BlankInside", &kEnglish, "1 500", kRefused},
        StrictCase{"NegativeZero", &kEnglish, "-0", 0.0},
        StrictCase{"Overflow", &kEnglish, "1e999", kRefused},
        StrictCase{"NegativeOverflow", &kEnglish, "-1e999", kRefused},
        StrictCase{"LargestDouble", &kEnglish, "1.7976931348623157e308", 1.7976931348623157e308},
        StrictCase{"Underflow", &kEnglish, "1e-999", 0.0},
        StrictCase{"HexPrefix", &kEnglish, "&H10", kRefused},
        StrictCase{"HexPrefixAlone", &kEnglish, "&H", kRefused},
        StrictCase{"OctalPrefix", &kEnglish, "&O17", kRefused},
        StrictCase{"Infinity", &kEnglish, "inf", kRefused},
        StrictCase{"NaN", &kEnglish, "nan", kRefused},
        StrictCase{"CHex", &kEnglish, "0x10", kRefused},
        StrictCase{"TwoPoints", &kEnglish, "1..5", kRefused},
        StrictCase{"ExponentWithoutDigits", &kEnglish, "1e", kRefused},
        StrictCase{"ExponentSignWithoutDigits", &kEnglish, "1e+", kRefused},
        StrictCase{"ExponentOnly", &kEnglish, "e5", kRefused},
        StrictCase{"SignedExponent", &kEnglish, "+1.5E+2", 150.0},
        StrictCase{"NegativeExponent", &kEnglish, "-25e-1", -2.5},
        StrictCase{"TrailingPoint", &kEnglish, "1.", 1.0},
        StrictCase{"LeadingPoint", &kEnglish, ".5", 0.5},
        StrictCase{"GroupBeforePoint", &kEnglish, ",5", kRefused},
        StrictCase{"GroupAtEnd", &kEnglish, "5,", kRefused},
        StrictCase{"DoubledGroup", &kEnglish, "1,,5", kRefused},
        StrictCase{"GroupInFraction", &kEnglish, "1.5,0", kRefused},
        StrictCase{"GroupBeforeExponent", &kEnglish, "1,e5", kRefused},
        StrictCase{"TwoSigns", &kEnglish, "+-5", kRefused},
        StrictCase{"DoubleMinus", &kEnglish, "--5", kRefused},
        StrictCase{"TypographicMinusNotEnglish", &kEnglish, "\u22125", kRefused},
        StrictCase{"FullwidthDigits", &kEnglish, "\uFF11\uFF12", kRefused},
        StrictCase{"ArabicIndicDigit", &kEnglish, "\u0663", kRefused},
        StrictCase{"GermanGrouped", &kGerman, "1.500", 1500.0},
        StrictCase{"GermanGroupedDecimal", &kGerman, "9.817,469", 9817.469},
        StrictCase{"GermanDecimalComma", &kGerman, "0,508", 0.508},
        StrictCase{"GermanExponent", &kGerman, "1,5e3", 1500.0},
        StrictCase{"GermanTwoCommas", &kGerman, "1,5,0", kRefused},
        StrictCase{"FrenchNarrowSpace", &kFrench, "1\u202F234,5", 1234.5},
        StrictCase{"FrenchNoBreakSpace", &kFrench, "20\u00A0000", 20000.0},
        StrictCase{"FrenchOrdinarySpace", &kFrench, "20 000", 20000.0},
        StrictCase{"FrenchNegativeGrouped", &kFrench, "-1\u202F000", -1000.0},
        StrictCase{"FrenchGroupAtEnd", &kFrench, "1\u202F", kRefused},
        StrictCase{"FrenchPointIsNoSeparator", &kFrench, "1.5", kRefused},
        StrictCase{"SwissApostrophe", &kSwiss, "1\u2019234.5", 1234.5},
        StrictCase{"TypographicMinus", &kTypographicMinus, "\u22125", -5.0},
        StrictCase{"HyphenMinusStillAccepted", &kTypographicMinus, "-5", -5.0},
        StrictCase{"LoneTypographicMinus", &kTypographicMinus, "\u2212", kRefused},
        StrictCase{"TwoTypographicMinus", &kTypographicMinus, "\u2212\u22125", kRefused}),
    [](const auto &info) { return std::string(info.param.name); });

// The grouping separator is taken only where it groups in threes; anywhere else it makes the
// text no number, so "5,5" or a German "0.508" cannot silently read ten to a thousand times
// too large.
INSTANTIATE_TEST_SUITE_P(
    GroupingPlacement, StrictReading,
    ::testing::Values(
        StrictCase{"EnglishPlain", &kEnglish, "1500", 1500.0},
        StrictCase{"EnglishLeadingZeros", &kEnglish, "007", 7.0},
        StrictCase{"EnglishOneGroup", &kEnglish, "1,500", 1500.0},
        StrictCase{"EnglishThreeGroups", &kEnglish, "12,345,678", 12345678.0},
        StrictCase{"EnglishAnswer", &kEnglish, "-1,234,567.000", -1234567.0},
        StrictCase{"EnglishGroupThenExponent", &kEnglish, "1,500e3", 1500000.0},
        StrictCase{"EnglishOneDigitAfter", &kEnglish, "5,5", kRefused},
        StrictCase{"EnglishEveryDigit", &kEnglish, "1,0,0,0", kRefused},
        StrictCase{"EnglishTwoDigitsAfter", &kEnglish, "12,34", kRefused},
        StrictCase{"EnglishFourDigitsAfter", &kEnglish, "1,5000", kRefused},
        StrictCase{"EnglishFirstGroupTooLong", &kEnglish, "1234,567", kRefused},
        StrictCase{"EnglishShortMiddleGroup", &kEnglish, "1,23,456", kRefused},
        StrictCase{"EnglishZeroFirstGroup", &kEnglish, "0,508", kRefused},
        StrictCase{"EnglishZeroGroupOfZeros", &kEnglish, "0,000", kRefused},
        StrictCase{"EnglishLeadingZeroGroup", &kEnglish, "01,500", kRefused},
        StrictCase{"EnglishShortBeforePoint", &kEnglish, "1,50.5", kRefused},
        StrictCase{"GermanOneGroup", &kGerman, "1.500", 1500.0},
        StrictCase{"GermanAnswer", &kGerman, "1.234.567,000", 1234567.0},
        StrictCase{"GermanEnglishSpeed", &kGerman, "0.508", kRefused},
        StrictCase{"GermanEnglishDecimal", &kGerman, "1.5", kRefused},
        StrictCase{"GermanEnglishPlungers", &kGerman, "2.5", kRefused},
        StrictCase{"FrenchSpace", &kFrench, "1 500", 1500.0},
        StrictCase{"FrenchNoBreakSpaceGroup", &kFrench, "1\u00A0500", 1500.0},
        StrictCase{"FrenchNarrowSpaceGroup", &kFrench, "1\u202F500", 1500.0},
        StrictCase{"FrenchMixedSpaces", &kFrench, "1 234\u00A0567,5", 1234567.5},
        StrictCase{"FrenchZeroFirstGroup", &kFrench, "0 508", kRefused},
        StrictCase{"FrenchShortGroup", &kFrench, "1\u202F50", kRefused},
        StrictCase{"SwissOneGroup", &kSwiss, "1\u2019500", 1500.0},
        StrictCase{"SwissShortGroup", &kSwiss, "1\u201950.5", kRefused},
        StrictCase{"NoBreakSpaceGroup", &kTypographicMinus, "\u22121\u00A0500", -1500.0},
        StrictCase{"NoBreakSpaceShortGroup", &kTypographicMinus, "2\u00A05", kRefused}),
    [](const auto &info) { return std::string(info.param.name); });

// Where the regional mark is an apostrophe or a space, its look-alikes group as it does, mixed
// as they come and under the same rule of threes: what a keyboard types, what another program
// or another face wrote. A point or a comma has no look-alikes.
INSTANTIATE_TEST_SUITE_P(
    GroupMarkFamilies, StrictReading,
    ::testing::Values(
        StrictCase{"SwissKeyboardApostrophe", &kSwiss, "20'000", 20000.0},
        StrictCase{"SwissModifierApostrophe", &kSwiss, "20\u02BC000", 20000.0},
        StrictCase{"SwissMixedApostrophes", &kSwiss, "1'234\u2019567.5", 1234567.5},
        StrictCase{"SwissAllThreeMixed", &kSwiss, "-1\u02BC234'567\u2019890", -1234567890.0},
        StrictCase{"SwissAsciiReadsTypographic", &kSwissAscii, "1\u2019234.5", 1234.5},
        StrictCase{"SwissAsciiReadsModifier", &kSwissAscii, "1\u02BC234'567", 1234567.0},
        StrictCase{"SwissAsciiOwnMark", &kSwissAscii, "12'345.678", 12345.678},
        StrictCase{"SwissSpaceIsNoApostrophe", &kSwiss, "20 000", kRefused},
        StrictCase{"SwissApostropheShortGroup", &kSwiss, "1'50", kRefused},
        StrictCase{"SwissModifierLongGroup", &kSwiss, "1\u02BC5000", kRefused},
        StrictCase{"SwissApostropheZeroFirst", &kSwiss, "0'508", kRefused},
        StrictCase{"SwissApostropheFirstTooLong", &kSwissAscii, "1234\u2019567", kRefused},
        StrictCase{"SwissApostropheAtEnd", &kSwiss, "1'", kRefused},
        StrictCase{"SwissApostropheAtStart", &kSwissAscii, "\u2019123", kRefused},
        StrictCase{"SwissApostropheInFraction", &kSwiss, "1.500'000", kRefused},
        StrictCase{"SwissDoubledApostrophe", &kSwiss, "1'\u2019000", kRefused},
        StrictCase{"FrenchThinSpace", &kFrench, "20\u2009000", 20000.0},
        StrictCase{"FrenchAllFourSpacesMixed", &kFrench, "1 234\u2009567\u00A0890\u202F123,5",
                   1234567890123.5},
        StrictCase{"FrenchThinSpaceShortGroup", &kFrench, "1\u200950", kRefused},
        StrictCase{"FrenchThinSpaceZeroFirst", &kFrench, "0\u2009508", kRefused},
        StrictCase{"FrenchThinSpaceAtEnd", &kFrench, "1\u2009", kRefused},
        StrictCase{"FrenchApostropheIsNoSpace", &kFrench, "20'000", kRefused},
        StrictCase{"SwedishThinSpace", &kTypographicMinus, "\u22121\u2009500", -1500.0},
        StrictCase{"SwedishNarrowSpace", &kTypographicMinus, "1\u202F500,25", 1500.25},
        StrictCase{"SwedishThinSpaceInFraction", &kTypographicMinus, "1,500\u2009000", kRefused},
        StrictCase{"GermanApostrophe", &kGerman, "20'000", kRefused},
        StrictCase{"GermanTypographicApostrophe", &kGerman, "20\u2019000", kRefused},
        StrictCase{"GermanThinSpace", &kGerman, "20\u2009000", kRefused},
        StrictCase{"EnglishApostrophe", &kEnglish, "20'000", kRefused},
        StrictCase{"EnglishModifierApostrophe", &kEnglish, "1\u02BC000.5", kRefused},
        StrictCase{"EnglishThinSpace", &kEnglish, "1\u2009000", kRefused}),
    [](const auto &info) { return std::string(info.param.name); });

// A pasted megabyte of digits is read without hanging, in both readings.
TEST(HostileReading, MegabyteOfDigits) {
    const std::string nines(1 << 20, '9');
    EXPECT_EQ(lenientValue(nines, kEnglish), kInf);
    EXPECT_FALSE(strictValue(nines, kEnglish).has_value());

    const std::string seven = std::string(1 << 20, '0') + "7";
    EXPECT_EQ(lenientValue(seven, kEnglish), 7);
    EXPECT_EQ(strictValue(seven, kEnglish), 7.0);

    const std::string tiny = "0." + std::string(1 << 20, '0') + "1";
    EXPECT_EQ(lenientValue(tiny, kEnglish), 0);
    EXPECT_EQ(strictValue(tiny, kEnglish), 0.0);

    const std::string grouped = [] {
        std::string s = "1";
        for (int i = 0; i < 100000; ++i)
            s += ",000";
        return s;
    }();
    EXPECT_FALSE(strictValue(grouped, kEnglish).has_value()); // beyond the double range
}

// An exponent with more digits than any counter holds still saturates to the right side.
TEST(HostileReading, HugeExponents) {
    EXPECT_EQ(lenientValue("1e99999999999999999999999", kEnglish), kInf);
    EXPECT_EQ(lenientValue("1e-99999999999999999999999", kEnglish), 0);
    EXPECT_FALSE(strictValue("1e99999999999999999999999", kEnglish).has_value());
    EXPECT_EQ(strictValue("1e-99999999999999999999999", kEnglish), 0.0);
    EXPECT_EQ(strictValue("0.000000000000000000001e21", kEnglish), 1.0);
}

// However long the digits run, the text reads as the number it denotes: the digits before or
// after the point move the exponent as far as they go, in both readings.
TEST(HostileReading, LongDigitRunsAgainstLongExponents) {
    const std::string zeros100001(100001, '0');
    const std::string zeros200000(200000, '0');
    const struct {
        std::string text;
        double expected;
    } cases[] = {
        {"1" + zeros100001 + "e-100001", 1},       {"0." + zeros200000 + "1e200001", 1},
        {"-0." + zeros200000 + "25e200001", -2.5}, {"1" + zeros200000 + "e-200108", 1e-108},
        {"0." + zeros200000 + "1e200310", kInf},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text.substr(0, 8) + "... (" + std::to_string(c.text.size()) + " bytes)");
        EXPECT_EQ(lenientValue(c.text, kEnglish), c.expected);
        if (std::isinf(c.expected))
            EXPECT_FALSE(strictValue(c.text, kEnglish).has_value());
        else
            EXPECT_EQ(strictValue(c.text, kEnglish), c.expected);
    }
}

// Ill-formed UTF-8 and control characters are never read as numbers, and never crash.
TEST(HostileReading, ByteSequences) {
    for (const std::string &text : {std::string("\xff\xfe"), std::string("1\xc3"),
                                    std::string("\0"
                                                "5",
                                                2),
                                    std::string("\x80"
                                                "12")}) {
        SCOPED_TRACE(::testing::PrintToString(text));
        EXPECT_FALSE(strictValue(text, kEnglish).has_value());
        EXPECT_LE(std::fabs(lenientValue(text, kEnglish)), 1.0);
    }
}

// A random plain decimal in the C library's own syntax: sign, digits, point, digits, exponent.
std::string randomDecimal(std::mt19937 &random) {
    auto pick = [&](int n) { return static_cast<int>(random() % n); };
    std::string s;
    if (pick(3) == 0)
        s += pick(2) ? "-" : "+";
    for (int n = pick(22); n > 0; --n)
        s += static_cast<char>('0' + pick(10));
    if (pick(2)) {
        s += '.';
        for (int n = pick(22); n > 0; --n)
            s += static_cast<char>('0' + pick(10));
    }
    if (pick(3) == 0) {
        s += pick(2) ? 'e' : 'E';
        if (pick(2))
            s += pick(2) ? "-" : "+";
        for (int n = pick(4); n > 0; --n)
            s += static_cast<char>('0' + pick(10));
    }
    return s;
}

// The text in a regional format: the point becomes the decimal separator, and the whole part
// is grouped in threes.
std::string regional(const std::string &plain, const NumberFormat &format) {
    const std::size_t start = plain.find_first_not_of("+-");
    std::size_t end = start == std::string::npos ? plain.size() : start;
    while (end < plain.size() && std::isdigit(static_cast<unsigned char>(plain[end])))
        ++end;
    std::string out = plain.substr(0, std::min(start, plain.size()));
    // A grouped whole part has no leading zeros.
    std::size_t first = start;
    while (first + 1 < end && plain[first] == '0')
        ++first;
    for (std::size_t i = first; i < end; ++i) {
        if (i > first && (end - i) % 3 == 0)
            out += format.group;
        out += plain[i];
    }
    for (std::size_t i = end; i < plain.size(); ++i)
        out += plain[i] == '.' ? format.decimal : std::string(1, plain[i]);
    return out;
}

// The decimal in a regional format without grouping.
std::string ungrouped(const std::string &plain, const NumberFormat &format) {
    std::string out;
    for (char c : plain)
        out += c == '.' ? format.decimal : std::string(1, c);
    return out;
}

// On plain decimals both readings agree with the C library, grouped or not, in every format:
// a magnitude beyond the double range is refused by the strict reading. Short ungrouped texts
// take the strict reading's shortcut, the others its full path.
TEST(ReadingProperty, AgreesWithTheLibraryOnPlainDecimals) {
    std::mt19937 random(424242);
    for (int i = 0; i < 20000; ++i) {
        const std::string plain = randomDecimal(random);
        char *end = nullptr;
        const double reference = std::strtod(plain.c_str(), &end);
        const bool isNumber = !plain.empty() && *end == '\0' &&
                              plain.find_first_of("0123456789") < plain.find_first_of("eE");
        for (const auto &[name, locale, format] : kAllFormats)
            for (const std::string &text : {regional(plain, *format), ungrouped(plain, *format)}) {
                SCOPED_TRACE(std::string(name) + " \"" + text + "\"");
                const auto strict = strictValue(text, *format);
                if (!isNumber || std::isinf(reference)) {
                    EXPECT_FALSE(strict.has_value()) << "read as " << *strict;
                    continue;
                }
                ASSERT_TRUE(strict.has_value());
                EXPECT_EQ(*strict, reference);
                EXPECT_EQ(lenientValue(plain, *format), reference);
            }
    }
}

} // namespace
} // namespace liftcalc::testing
