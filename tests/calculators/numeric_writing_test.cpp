// SPDX-License-Identifier: MIT
// Writing numbers: plain number text for answers, the three-decimal form for equivalents, and
// rounding to thousandths by writing and reading back.
#include "tests/support/number_formats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>
#include <vector>

namespace liftcalc::testing {
namespace {

struct WriteCase {
    const char *name;
    const NumberFormat *format;
    double value;
    std::string expected;
};

std::ostream &operator<<(std::ostream &out, const WriteCase &c) {
    return out << c.name;
}

class PlainNumberText : public ::testing::TestWithParam<WriteCase> {};

// At most 15 significant digits, no grouping, no trailing zeros, exponent form from 1E+15.
TEST_P(PlainNumberText, WritesTheValue) {
    const auto &c = GetParam();
    EXPECT_EQ(plainText(c.value, *c.format), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PlainNumberText,
    ::testing::Values(
        WriteCase{"Zero", &kEnglish, 0.0, "0"}, WriteCase{"NegativeZero", &kEnglish, -0.0, "0"},
        WriteCase{"WholeNumber", &kEnglish, 2.0, "2"},
        WriteCase{"NoGrouping", &kEnglish, 1234.568, "1234.568"},
        WriteCase{"NoTrailingZeros", &kEnglish, 0.25, "0.25"},
        WriteCase{"Negative", &kEnglish, -3.0, "-3"},
        WriteCase{"BinaryNoiseRemoved", &kEnglish, 0.1 + 0.2, "0.3"},
        WriteCase{"ProductNoiseRemoved", &kEnglish, 3 * 50.671, "152.013"},
        WriteCase{"TotalDisplacement", &kEnglish, 2 * 4.08, "8.16"},
        WriteCase{"FifteenDigits", &kEnglish, 1.0 / 3.0, "0.333333333333333"},
        WriteCase{"RoundedToFifteenDigits", &kEnglish, 123456789012345.6, "123456789012346"},
        WriteCase{"LargestWithoutExponent", &kEnglish, 999999999999999.0, "999999999999999"},
        WriteCase{"RoundsUpIntoExponentForm", &kEnglish, 999999999999999.9, "1E+15"},
        WriteCase{"ExponentForm", &kEnglish, 1e15, "1E+15"},
        WriteCase{"ExponentWithFraction", &kEnglish, 1.5e20, "1.5E+20"},
        WriteCase{"ThreeDigitExponent", &kEnglish, 1e100, "1E+100"},
        WriteCase{"NegativeExponentForm", &kEnglish, -1.5e20, "-1.5E+20"},
        WriteCase{"GermanDecimalComma", &kGerman, 1234.5, "1234,5"},
        WriteCase{"GermanNegative", &kGerman, -0.5, "-0,5"},
        WriteCase{"GermanExponent", &kGerman, 1.5e20, "1,5E+20"},
        WriteCase{"FrenchNoGrouping", &kFrench, 22619.448, "22619,448"},
        WriteCase{"TypographicMinus", &kTypographicMinus, -2.0, "\u22122"}),
    [](const auto &info) { return std::string(info.param.name); });

class AnswerText : public ::testing::TestWithParam<WriteCase> {};

// Exactly three decimals, half away from zero judged on the 15-digit decimal form, grouping in
// threes, and no sign on a value that rounds to zero.
TEST_P(AnswerText, WritesThreeDecimals) {
    const auto &c = GetParam();
    EXPECT_EQ(answerText(c.value, *c.format), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, AnswerText,
    ::testing::Values(WriteCase{"Grouped", &kEnglish, 9817.469, "9,817.469"},
                      WriteCase{"LeadingZero", &kEnglish, 0.25, "0.250"},
                      WriteCase{"NegativeWhole", &kEnglish, -3.0, "-3.000"},
                      WriteCase{"Zero", &kEnglish, 0.0, "0.000"},
                      WriteCase{"NegativeZero", &kEnglish, -0.0, "0.000"},
                      WriteCase{"PoundsToKilograms", &kEnglish, 50 * 0.45359, "22.680"},
                      WriteCase{"TieJudgedOnDecimalForm", &kEnglish, 1.0005, "1.001"},
                      WriteCase{"NegativeTieAwayFromZero", &kEnglish, -1.0005, "-1.001"},
                      WriteCase{"SmallTie", &kEnglish, 0.0005, "0.001"},
                      WriteCase{"NegativeSmallTie", &kEnglish, -0.0005, "-0.001"},
                      WriteCase{"RoundsToZero", &kEnglish, 0.0004999, "0.000"},
                      WriteCase{"NegativeRoundsToZero", &kEnglish, -0.0004, "0.000"},
                      WriteCase{"TinyNegative", &kEnglish, -1e-300, "0.000"},
                      WriteCase{"CarryIntoNewGroup", &kEnglish, 999.9995, "1,000.000"},
                      WriteCase{"Millions", &kEnglish, 1234567.891, "1,234,567.891"},
                      WriteCase{"NegativeGrouped", &kEnglish, -22619.448, "-22,619.448"},
                      WriteCase{"SixteenDigits", &kEnglish, 1e15, "1,000,000,000,000,000.000"},
                      WriteCase{"MetresPerSecond", &kEnglish, 100 * 0.00508, "0.508"},
                      WriteCase{"FeetPerMinute", &kEnglish, 0.508 * 196.85, "100.000"},
                      WriteCase{"German", &kGerman, 9817.469, "9.817,469"},
                      WriteCase{"GermanSmall", &kGerman, 0.25, "0,250"},
                      WriteCase{"French", &kFrench, 9817.469, "9\u202F817,469"},
                      WriteCase{"Swiss", &kSwiss, 1234567.891, "1\u2019234\u2019567.891"},
                      WriteCase{"TypographicMinus", &kTypographicMinus, -3.0, "\u22123,000"},
                      WriteCase{"TypographicMinusRoundsToZero", &kTypographicMinus, -0.0001,
                                "0,000"}),
    [](const auto &info) { return std::string(info.param.name); });

// Values across every magnitude a field can show, both signs, with awkward last digits.
std::vector<double> sampleValues() {
    std::vector<double> values = {0.0,  -0.0,  0.0005, 0.0015,   2.675,    1.0005,
                                  0.1,  1e15,  1e-5,   123.4565, 9.9995e9, 4453.286,
                                  1e20, 1e100, 1e-300, 1e300,    5e-324};
    std::mt19937_64 random(20260101);
    std::uniform_real_distribution<double> mantissa(1.0, 10.0);
    std::uniform_int_distribution<int> power(-8, 18);
    for (int i = 0; i < 400; ++i)
        values.push_back(mantissa(random) * std::pow(10.0, power(random)));
    const std::size_t count = values.size();
    for (std::size_t i = 0; i < count; ++i)
        values.push_back(-values[i]);
    return values;
}

// Answers are read back from their fields: the strict reading accepts every text that either
// output form writes, in every regional format, and reads back the value written.
TEST(OutputReadBack, StrictReadsBothOutputForms) {
    const auto values = sampleValues();
    for (const auto &[name, locale, format] : kAllFormats) {
        SCOPED_TRACE(std::string(name));
        for (double v : values) {
            const std::string plain = plainText(v, *format);
            const auto plainBack = strictValue(plain, *format);
            ASSERT_TRUE(plainBack.has_value()) << "plain text \"" << plain << "\" refused";
            EXPECT_EQ(plainText(*plainBack, *format), plain) << "value " << v;

            const std::string answer = answerText(v, *format);
            const auto answerBack = strictValue(answer, *format);
            ASSERT_TRUE(answerBack.has_value()) << "answer text \"" << answer << "\" refused";
            EXPECT_EQ(answerText(*answerBack, *format), answer) << "value " << v;
        }
    }
}

// A figure written with a space or an apostrophe for grouping reads back the same with any of
// its look-alikes put in place of each mark, as a person retypes it or another face wrote it.
TEST(OutputReadBack, EveryLookAlikeOfTheMarkReadsTheSame) {
    const std::vector<std::string> spaces = {" ", "\u00A0", "\u202F", "\u2009"};
    const std::vector<std::string> apostrophes = {"'", "\u2019", "\u02BC"};
    const auto values = sampleValues();
    for (const auto &[name, locale, format] : kAllFormats) {
        SCOPED_TRACE(std::string(name));
        const auto &family =
            std::find(spaces.begin(), spaces.end(), format->group) != spaces.end() ? spaces
            : std::find(apostrophes.begin(), apostrophes.end(), format->group) != apostrophes.end()
                ? apostrophes
                : std::vector<std::string>{format->group};
        for (double v : values) {
            const std::string answer = answerText(v, *format);
            const auto expected = strictValue(answer, *format);
            ASSERT_TRUE(expected.has_value()) << answer;
            for (std::size_t k = 0; k < family.size(); ++k) {
                // Each mark in turn by the next member of the family, so a text mixes them.
                std::string text;
                std::size_t member = k;
                for (std::size_t at = 0; at < answer.size();) {
                    if (answer.compare(at, format->group.size(), format->group) == 0) {
                        text += family[member++ % family.size()];
                        at += format->group.size();
                    } else {
                        text += answer[at++];
                    }
                }
                EXPECT_EQ(strictValue(text, *format), expected) << "\"" << text << "\"";
            }
        }
    }
}

// Rounding a rounded value changes nothing, and the result written as plain text shows at most
// three decimals and no grouping.
TEST(RoundingToThousandths, IsIdempotent) {
    const auto values = sampleValues();
    for (const auto &[name, locale, format] : kAllFormats) {
        SCOPED_TRACE(std::string(name));
        for (double v : values) {
            if (std::fabs(v) > 1e14)
                continue; // beyond 15 digits the thousandths are not shown at all
            const auto once = roundToThousandths(v, *format);
            ASSERT_TRUE(once.has_value()) << "value " << v;
            EXPECT_EQ(roundToThousandths(*once, *format), once) << "value " << v;
            const std::string plain = plainText(*once, *format);
            const auto point = plain.find(format->decimal);
            if (point != std::string::npos) {
                EXPECT_LE(plain.size() - point - format->decimal.size(), 3u) << plain;
            }
            EXPECT_EQ(plain.find(format->group), std::string::npos) << plain;
        }
    }
}

// The figures of the worked examples round as a person reads them.
TEST(RoundingToThousandths, WorkedFigures) {
    struct Case {
        double value;
        double rounded;
    } cases[] = {{100.0004, 100}, {254.64797, 254.648}, {4.0799, 4.08}, {-0.0004, 0}};
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(roundToThousandths(c.value, kEnglish), c.rounded);
        EXPECT_EQ(roundToThousandths(c.value, kGerman), c.rounded);
    }
}

} // namespace
} // namespace liftcalc::testing
