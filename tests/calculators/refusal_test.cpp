// SPDX-License-Identifier: MIT
// A refused calculation as a value: which inputs broke which rule, and what the calculation did
// before it was refused.
#include "calculators/calculators.h"
#include "tests/support/number_formats.h"
#include "tests/support/worked_example.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <utility>
#include <vector>

namespace liftcalc::testing {
namespace {

using namespace fields;

FieldTexts typed(std::initializer_list<std::pair<int, const char *>> inputs) {
    FieldTexts texts;
    for (const auto &[field, text] : inputs)
        texts[field] = text;
    return texts;
}

struct RefusalCase {
    const char *name;
    const Calculator *calculator;
    UnitSystem units;
    FieldTexts texts;
    std::vector<BrokenRule> broken; // in the row's order; none: too large to compute
};

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

// Every input whose figure as typed breaks its rule is named, in the order of the row; the
// calculation's own tests decide only that it is refused.
TEST_P(Refusals, NameEveryBrokenInput) {
    const RefusalCase &c = GetParam();
    const CalculationResult result = c.calculator->calculate(c.units, c.texts, kEnglish);
    ASSERT_TRUE(result.refusal.has_value());
    EXPECT_EQ(result.refusal->broken, c.broken);
    EXPECT_EQ(result.refusal->tooLarge(), c.broken.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Calculators, Refusals,
    ::testing::Values(
        RefusalCase{"DiameterZero",
                    &calculators::staticPressure,
                    UnitSystem::imperial,
                    typed({{diameterIn, "0"}, {plungers, "1"}, {loadLb, "9"}}),
                    {{diameterIn, Rule::aboveZero, Fault::notAboveZero}}},
        // Static pressure tests the load before the plungers; the row's order names the
        // plungers first.
        RefusalCase{"SeveralInTheRowsOrder",
                    &calculators::staticPressure,
                    UnitSystem::metric,
                    typed({{diameterMm, "254"}, {plungers, "0.5"}, {loadKg, "-1"}}),
                    {{plungers, Rule::wholeNumber, Fault::belowOne},
                     {loadKg, Rule::aboveZero, Fault::notAboveZero}}},
        // "5 gpm" passes the lenient test above 0 and is refused where its figure is read.
        RefusalCase{"PassesTheTestButIsNoNumber",
                    &calculators::upSpeed,
                    UnitSystem::imperial,
                    typed({{diameterIn, "5"}, {plungers, "1"}, {flowGpm, "5 gpm"}}),
                    {{flowGpm, Rule::aboveZero, Fault::notANumber}}},
        RefusalCase{"BeyondTheRangeOfFigures",
                    &calculators::plungerDiameter,
                    UnitSystem::imperial,
                    typed({{plungers, "1"}, {loadLb, "1e400"}, {pressurePsi, "1e300"}}),
                    {{loadLb, Rule::aboveZero, Fault::tooLarge}}},
        // The pressure has no test of its own in the calculation: its rule still names it.
        RefusalCase{"UntestedPressureOfZero",
                    &calculators::plungerDiameter,
                    UnitSystem::metric,
                    typed({{plungers, "2"}, {loadKg, "1000"}, {pressureBar, "0"}}),
                    {{pressureBar, Rule::aboveZero, Fault::notAboveZero}}},
        RefusalCase{"LoadDiameterBelowOne",
                    &calculators::loadOnPlungers,
                    UnitSystem::metric,
                    typed({{diameterMm, "0.5"}, {plungers, "1"}, {pressureBar, "10"}}),
                    {{diameterMm, Rule::atLeastOne, Fault::belowOne}}},
        RefusalCase{"LoadDiameterOfZero",
                    &calculators::loadOnPlungers,
                    UnitSystem::imperial,
                    typed({{diameterIn, "0"}, {plungers, "x"}, {pressurePsi, "10"}}),
                    {{diameterIn, Rule::atLeastOne, Fault::notAboveZero},
                     {plungers, Rule::wholeNumber, Fault::notANumber}}},
        RefusalCase{"EveryInputKeepsItsRule",
                    &calculators::staticPressure,
                    UnitSystem::imperial,
                    typed({{diameterIn, "1e-300"}, {plungers, "1"}, {loadLb, "1e300"}}),
                    {}}),
    [](const auto &info) { return info.param.name; });

// A calculation refused half-way keeps the writes made before, and nothing follows them: the
// metric up speed is written, its imperial figure overflows, and no other answer comes.
TEST(RefusedCalculation, KeepsTheWritesMadeBeforeAndNoneAfter) {
    const CalculationResult result = calculators::upSpeed.calculate(
        UnitSystem::metric, typed({{diameterMm, "10"}, {plungers, "1"}, {flowLps, "1e306"}}),
        kEnglish);
    ASSERT_TRUE(result.refusal.has_value());
    EXPECT_TRUE(result.refusal->tooLarge());
    ASSERT_EQ(result.effects.size(), 2u);
    EXPECT_EQ(std::get<FieldWrite>(result.effects[0]).field, plungers);
    EXPECT_EQ(std::get<FieldWrite>(result.effects[1]).field, speedMps);
    EXPECT_FALSE(result.total.has_value());
}

// The worked example is not refused and writes every answer.
TEST(RefusedCalculation, NoneForAGoodCalculation) {
    FieldTexts texts;
    for (const auto &[field, text] : kWorkedInputs)
        texts[field] = text;
    const CalculationResult result =
        calculators::staticPressure.calculate(UnitSystem::imperial, texts, kEnglish);
    EXPECT_FALSE(result.refusal.has_value());
    for (const auto &[field, answer] : kWorkedAnswers)
        EXPECT_NE(std::find_if(result.effects.begin(), result.effects.end(),
                               [field = field, answer = answer](const Effect &e) {
                                   const auto *write = std::get_if<FieldWrite>(&e);
                                   return write && write->field == field && write->text == answer;
                               }),
                  result.effects.end())
            << field;
}

struct FaultCase {
    Rule rule;
    const char *text;
    std::optional<Fault> fault;
};

// Each rule on the strict reading, with the number of plungers counted as the whole number
// below it.
TEST(InputRules, FaultOfATypedFigure) {
    const FaultCase cases[] = {
        {Rule::aboveZero, "0.001", std::nullopt},      {Rule::aboveZero, "0", Fault::notAboveZero},
        {Rule::aboveZero, "-0", Fault::notAboveZero},  {Rule::aboveZero, "1,5", Fault::notANumber},
        {Rule::aboveZero, "", Fault::notANumber},      {Rule::aboveZero, "1e999", Fault::tooLarge},
        {Rule::wholeNumber, "1", std::nullopt},        {Rule::wholeNumber, "1.9", std::nullopt},
        {Rule::wholeNumber, "0.99", Fault::belowOne},  {Rule::wholeNumber, "-3", Fault::belowOne},
        {Rule::atLeastOne, "1", std::nullopt},         {Rule::atLeastOne, "0.999", Fault::belowOne},
        {Rule::atLeastOne, "-1", Fault::notAboveZero},
    };
    for (const auto &[rule, text, fault] : cases)
        EXPECT_EQ(faultOf(rule, text, kEnglish), fault) << text;
}

// What is wrong, as every front end says it after the input's name: the rule a figure must keep,
// with a least figure's unit and a share's bound.
TEST(InputRules, FaultTextSaysTheRule) {
    const struct {
        Rule rule;
        Fault fault;
        std::string_view unit;
        std::string_view says;
    } cases[] = {
        {Rule::aboveZero, Fault::notANumber, "IN", "is not a number"},
        {Rule::aboveZero, Fault::tooLarge, "LB", "is too large to compute"},
        {Rule::aboveZero, Fault::notAboveZero, "IN", "must be more than 0"},
        {Rule::wholeNumber, Fault::belowOne, "", "must be a whole number of at least 1"},
        {Rule::exactWholeNumber, Fault::notWhole, "", "must be a whole number of at least 1"},
        {Rule::exactWholeNumber, Fault::belowOne, "", "must be a whole number of at least 1"},
        {Rule::atLeastOne, Fault::belowOne, "MM", "must be at least 1 MM"},
        {Rule::atLeastOne, Fault::notAboveZero, "IN", "must be at least 1 IN"},
        {Rule::zeroOrMore, Fault::negative, "PSI", "must be 0 or more"},
        {Rule::percentage, Fault::notAboveZero, "%", "must be more than 0"},
        {Rule::percentage, Fault::aboveHundred, "%", "must be at most 100 %"},
    };
    for (const auto &[rule, fault, unit, says] : cases)
        EXPECT_EQ(faultText(rule, fault, unit), says);
}

} // namespace
} // namespace liftcalc::testing
