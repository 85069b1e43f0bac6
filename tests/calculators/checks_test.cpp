// SPDX-License-Identifier: MIT
// The field checks: worked cases in both unit systems, whose figures were worked out from the
// formulas and factors apart from this code, and the refusals.
#include "calculators/checks.h"
#include "tests/support/number_formats.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>
#include <vector>

namespace liftcalc::testing {
namespace {

using Texts = std::vector<std::string>;

// The texts a check writes, in the order written.
Texts writtenTexts(const Check &check, UnitSystem units, const Texts &inputs,
                   const NumberFormat &format = kEnglish) {
    const CheckOutcome outcome = evaluate(check, units, inputs, format);
    if (const auto *refusals = std::get_if<CheckRefusals>(&outcome))
        return {"refused: " + refusalText(check, refusals->front(), units)};
    Texts texts;
    for (const CheckWrite &write : std::get<std::vector<CheckWrite>>(outcome))
        texts.push_back(write.text);
    return texts;
}

// The texts of a line of figures such as "4 1 25", one a word.
Texts figures(std::string_view line) {
    Texts texts;
    for (std::size_t at = 0; at < line.size();) {
        const std::size_t end = std::min(line.find(' ', at), line.size());
        texts.emplace_back(line.substr(at, end - at));
        at = end + 1;
    }
    return texts;
}

constexpr UnitSystem imp = UnitSystem::imperial;
constexpr UnitSystem met = UnitSystem::metric;
using namespace checks;

// Each check in both unit systems: the inputs typed, then what is written in order: the other
// system's equivalents of the inputs that have one, then each answer and its equivalent (a
// share has none).
TEST(CheckWorkedCases, GiveTheFiguresWorkedOutByHand) {
    struct Case {
        const Check *check;
        UnitSystem units;
        std::string_view inputs;
        std::string_view written;
    };
    const Case cases[] = {
        {&oilForTravel, imp, "4 1 25", "101.600 7.620 16.320 61.778"},
        {&oilForTravel, imp, "8.5 2 12.5", "215.900 3.810 73.695 278.966"},
        {&oilForTravel, met, "101.6 1 7.62", "4.000 25.000 61.778 16.320"},
        {&oilForTravel, met, "200 2 4", "7.874 13.123 251.327 66.394"},
        {&oilLostToDrift, imp, "6 1 2 10", "152.400 50.800 0.245 0.927 1.469 5.561"},
        {&oilLostToDrift, imp, "8 2 0.5 60", "203.200 12.700 0.218 0.825 0.218 0.825"},
        {&oilLostToDrift, met, "150 1 50 10", "5.906 1.969 0.884 0.234 5.301 1.400"},
        {&carWeight, imp, "6 1 150 2500",
         "152.400 10.343 1,133.975 4,241.147 1,923.742 238.419 16.439"},
        {&carWeight, imp, "8 2 120.5 4500",
         "203.200 8.308 2,041.155 12,113.971 5,494.776 165.262 11.395"},
        {&carWeight, met, "150 1 10 1000",
         "5.906 145.038 2,204.600 1,801.986 3,972.658 15.549 225.520"},
        {&carWeight, met, "200 2 12.5 2000",
         "7.874 181.298 4,409.200 8,008.826 17,656.258 15.622 226.578"},
        {&loadInCar, imp, "6 1 150 230", "152.400 10.343 15.859 2,261.945 1,025.996"},
        {&loadInCar, imp, "8 2 120 120", "203.200 8.274 8.274 0.000 0.000"},
        {&loadInCar, met, "150 1 10 16.5", "5.906 145.038 239.313 1,171.291 2,582.228"},
        {&pumpPower, imp, "500 100 85", "34.475 6.309 29.167 21.750 34.314 25.588"},
        {&pumpPower, imp, "350 60 100", "24.133 3.785 12.250 9.135 12.250 9.135"},
        {&pumpPower, met, "35 6.3 85", "507.633 99.857 22.050 29.569 25.941 34.787"},
        {&timedRun, imp, "40 24 100", "12.192 0.508 100.000 0.508 0.000"},
        {&timedRun, imp, "30 20 100", "9.144 0.508 90.000 0.457 -10.000"},
        {&timedRun, met, "12 24 0.5", "39.370 98.425 0.500 98.425 0.000"},
        {&timedRun, met, "10 20 0.63", "32.808 124.016 0.500 98.425 -20.635"},
        {&reliefSetting, imp, "400 500", "27.580 34.475 125.000"},
        {&reliefSetting, met, "27.5 38.5", "398.855 558.396 140.000"},
        {&pressureAtShare, imp, "400 140", "27.580 560.000 38.612"},
        {&pressureAtShare, met, "27.5 200", "398.855 55.000 797.709"},
        {&pressureHold, imp, "600 560", "41.370 38.612 6.667"},
        {&pressureHold, imp, "600 0", "41.370 0.000 100.000"},
        {&pressureHold, imp, "500 510", "34.475 35.165 -2.000"},
    };
    for (const auto &[check, units, inputs, written] : cases) {
        SCOPED_TRACE(std::string(check->title) + ": " + std::string(inputs));
        EXPECT_EQ(writtenTexts(*check, units, figures(inputs)), figures(written));
    }
    // Every check has its worked cases here.
    for (const Check *check : kAll)
        EXPECT_TRUE(std::any_of(std::begin(cases), std::end(cases), [check](const Case &c) {
            return c.check == check;
        })) << check->title;
}

// The checks' factors are the calculators' own where a calculator has the quantity, and the two
// directions of every pair the checks use are near reciprocals, so a figure mistyped in either
// is caught.
TEST(CheckFactors, AreTheCalculatorsOwnAndEachPairHoldsTogether) {
    struct Pair {
        std::string_view imperial, metric;
        double toMetric, toImperial;
    };
    const Pair calculators[] = {
        {"IN", "MM", factors::mmPerInch, factors::inchPerMm},
        {"PSI", "BAR", factors::barPerPsi, factors::psiPerBar},
        {"LB", "KG", factors::kgPerPound, factors::poundPerKg},
        {"GPM", "LPS", factors::lpsPerGpm, factors::gpmPerLps},
        {"FPM", "MPS", factors::mpsPerFpm, factors::fpmPerMps},
    };
    for (const Check *check : kAll) {
        for (int row = 0; row < check->rowCount(); ++row) {
            const Units &u = *check->row(row).units;
            if (!u.bothSystems())
                continue;
            SCOPED_TRACE(std::string(check->title) + ", " + std::string(u.imperial));
            EXPECT_NEAR(u.toMetric * u.toImperial, 1.0, 1e-3);
            for (const Pair &p : calculators) {
                if (p.imperial != u.imperial)
                    continue;
                EXPECT_EQ(u.metric, p.metric);
                EXPECT_EQ(u.toMetric, p.toMetric);
                EXPECT_EQ(u.toImperial, p.toImperial);
            }
        }
    }
}

// A refusal names the first input, in row order, that breaks its rule, and writes nothing.
TEST(CheckRefusals, NameTheInputAndTheRule) {
    const std::string large = "The figures give a result too large to compute";
    const std::string plungers = "Number of plungers must be a whole number of at least 1";
    const struct {
        const Check *check;
        Texts inputs;
        std::string says;
    } cases[] = {
        {&oilForTravel, {"", "1", "25"}, "Plunger diameter is not a number"},
        {&oilForTravel, {"4", "1", "25 ft"}, "Travel is not a number"},
        {&oilForTravel, {"4", "1", "0"}, "Travel must be more than 0"},
        {&oilForTravel, {"-4", "1", "0"}, "Plunger diameter must be more than 0"},
        // Minus zero is no more than 0.
        {&oilLostToDrift, {"6", "1", "2", "-0"}, "Time must be more than 0"},
        {&oilForTravel, {"4", "1.5", "25"}, plungers},
        {&carWeight, {"6", "0", "150", "2500"}, plungers},
        {&loadInCar,
         {"6", "1", "230", "150"},
         "Loaded-car pressure must not be below the empty-car pressure"},
        // Each input's own rule comes before the rule between two.
        {&loadInCar, {"6", "1", "x", "150"}, "Empty-car pressure is not a number"},
        {&pumpPower, {"500", "100", "100.5"}, "Overall efficiency must be at most 100 %"},
        {&pumpPower, {"500", "100", "0"}, "Overall efficiency must be more than 0"},
        {&pressureHold, {"600", "-1"}, "Pressure at the end must be 0 or more"},
        {&pressureHold, {"0", "0"}, "Pressure at the start must be more than 0"},
        // Too large: the plunger area, an input's equivalent, an answer.
        {&oilForTravel, {"1e200", "1", "25"}, large},
        {&oilLostToDrift, {"1", "1", "1e307", "10"}, large},
        {&pressureAtShare, {"1e307", "1e300"}, large},
        // A grouping mark out of place.
        {&timedRun, {"4,0", "24", "100"}, "Distance is not a number"},
    };
    for (const auto &[check, inputs, says] : cases)
        EXPECT_EQ(writtenTexts(*check, imp, inputs), Texts{"refused: " + says}) << check->title;
}

// The refusal names every input that breaks its own rule, in row order, before any rule between
// inputs; a fault between inputs names the input to fix and the other one.
TEST(CheckRefusals, NameEveryBrokenInput) {
    const auto refusals = [](const Check &check, const Texts &inputs) {
        const CheckOutcome outcome = evaluate(check, imp, inputs, kEnglish);
        const auto *refused = std::get_if<CheckRefusals>(&outcome);
        return refused ? *refused : CheckRefusals{};
    };
    EXPECT_EQ(refusals(pumpPower, {"-5", "", "100.5"}),
              (CheckRefusals{
                  {0, Fault::notAboveZero}, {1, Fault::notANumber}, {2, Fault::aboveHundred}}));
    EXPECT_EQ(refusals(loadInCar, {"0", "1.5", "230", "150"}),
              (CheckRefusals{{0, Fault::notAboveZero}, {1, Fault::notWhole}}));
    EXPECT_EQ(refusals(loadInCar, {"6", "1", "230", "150"}), (CheckRefusals{{3, BelowInput{2}}}));
    EXPECT_EQ(refusals(oilForTravel, {"1e200", "1", "25"}),
              (CheckRefusals{{std::nullopt, Fault::tooLarge}}));
    EXPECT_EQ(refusals(oilForTravel, {"4", "1", "25"}), CheckRefusals{});
}

// The figures follow the regional format both ways: typed in it, written in it.
TEST(CheckFormats, ReadAndWriteTheRegionalFormat) {
    EXPECT_EQ(
        writtenTexts(carWeight, met, {"150", "1", "10", "1.000"}, kGerman),
        (Texts{"5,906", "145,038", "2.204,600", "1.801,986", "3.972,658", "15,549", "225,520"}));
    EXPECT_EQ(writtenTexts(timedRun, imp, {"30", "20", "100"}, kTypographicMinus),
              (Texts{"9,144", "0,508", "90,000", "0,457", "\u221210,000"}));
}

// The constants of a formula in words ("231", "396,000", "98.0665"), in the order written.
Texts constants(std::string_view text) {
    Texts found;
    const auto digit = [](char c) { return c >= '0' && c <= '9'; };
    for (std::size_t at = 0; at < text.size(); ++at) {
        // Not the 0 of p0 nor the 2 of in^2.
        const bool partOfAName =
            at > 0 &&
            (std::isalpha(static_cast<unsigned char>(text[at - 1])) || text[at - 1] == '^');
        if (!digit(text[at]) || partOfAName)
            continue;
        std::size_t end = at;
        while (end < text.size() &&
               (digit(text[end]) || ((text[end] == ',' || text[end] == '.') &&
                                     end + 1 < text.size() && digit(text[end + 1]))))
            ++end;
        found.emplace_back(text.substr(at, end - at));
        at = end;
    }
    return found;
}

// The lines a text takes in a column WIDTH characters wide, its words wrapped.
std::size_t linesAt(std::string_view text, std::size_t width) {
    std::size_t lines = 0;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        std::size_t used = width;
        for (std::size_t word = at; word < end;) {
            const std::size_t blank = std::min(text.find(' ', word), end);
            const std::size_t length = blank - word;
            used = used + 1 + length > width ? (++lines, length) : used + 1 + length;
            word = blank + 1;
        }
        at = end + 1;
    }
    return lines;
}

// Each check's help fits under its rows on a phone (four lines of 48 characters) in both unit
// systems: where the readings are taken, then the calculation in that system, with the constants
// the check calculates with; the metric one is its own where the calculation differs.
TEST(CheckGuides, SayWhereTheReadingsAreTakenAndTheCalculation) {
    for (const Check *check : kAll) {
        EXPECT_EQ(check->guide.metric.empty(), check->metricFormula.empty()) << check->title;
        for (const UnitSystem units : {imp, met}) {
            const std::string text = guideText(*check, units);
            const auto lineBreak = text.find('\n');
            ASSERT_NE(lineBreak, std::string::npos) << check->title;
            EXPECT_GT(lineBreak, 0u) << check->title;
            EXPECT_LT(lineBreak + 1, text.size()) << check->title;
            EXPECT_LE(linesAt(text, 48), 4u) << text;
            const std::string_view formula = units == met && !check->metricFormula.empty()
                                                 ? check->metricFormula
                                                 : check->imperialFormula;
            EXPECT_EQ(constants(std::string_view(text).substr(lineBreak)), constants(formula))
                << text;
        }
    }
    EXPECT_EQ(guideText(reliefSetting, met), guideText(reliefSetting, imp));
    EXPECT_NE(guideText(carWeight, met), guideText(carWeight, imp));
}

} // namespace
} // namespace liftcalc::testing
