// SPDX-License-Identifier: MIT
// The field checks: worked cases in both unit systems, whose figures were worked out from the
// formulas and factors apart from this code, and the refusals.
#include "calculators/checks.h"
#include "tests/support/number_formats.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace liftcalc::testing {
namespace {

using Texts = std::vector<std::string>;

// The texts a check writes, in the order written.
Texts writtenTexts(const Check &check, UnitSystem units, const Texts &inputs,
                   const NumberFormat &format = kEnglish) {
    const CheckOutcome outcome = evaluate(check, units, inputs, format);
    if (const auto *refusal = std::get_if<CheckRefusal>(&outcome))
        return {"refused: " + refusalText(check, *refusal)};
    Texts texts;
    for (const CheckWrite &write : std::get<std::vector<CheckWrite>>(outcome))
        texts.push_back(write.text);
    return texts;
}

struct WorkedCase {
    const char *name;
    const Check *check;
    UnitSystem units;
    Texts inputs;
    // The other system's equivalents of the inputs that have one, then each answer and its
    // equivalent (a share has none).
    Texts written;
};

std::ostream &operator<<(std::ostream &out, const WorkedCase &c) {
    return out << c.name;
}

class CheckWorkedCases : public ::testing::TestWithParam<WorkedCase> {};

TEST_P(CheckWorkedCases, GiveTheFiguresWorkedOutByHand) {
    const auto &c = GetParam();
    EXPECT_EQ(writtenTexts(*c.check, c.units, c.inputs), c.written);
}

constexpr UnitSystem imp = UnitSystem::imperial;
constexpr UnitSystem met = UnitSystem::metric;
using namespace checks;

INSTANTIATE_TEST_SUITE_P(
    Checks, CheckWorkedCases,
    ::testing::Values(
        WorkedCase{"OilImperial",
                   &oilForTravel,
                   imp,
                   {"4", "1", "25"},
                   {"101.600", "7.620", "16.320", "61.778"}},
        WorkedCase{"OilImperialTwoPlungers",
                   &oilForTravel,
                   imp,
                   {"8.5", "2", "12.5"},
                   {"215.900", "3.810", "73.695", "278.966"}},
        WorkedCase{"OilMetric",
                   &oilForTravel,
                   met,
                   {"101.6", "1", "7.62"},
                   {"4.000", "25.000", "61.778", "16.320"}},
        WorkedCase{"OilMetricTwoPlungers",
                   &oilForTravel,
                   met,
                   {"200", "2", "4"},
                   {"7.874", "13.123", "251.327", "66.394"}},
        WorkedCase{"DriftImperial",
                   &oilLostToDrift,
                   imp,
                   {"6", "1", "2", "10"},
                   {"152.400", "50.800", "0.245", "0.927", "1.469", "5.561"}},
        WorkedCase{"DriftImperialHour",
                   &oilLostToDrift,
                   imp,
                   {"8", "2", "0.5", "60"},
                   {"203.200", "12.700", "0.218", "0.825", "0.218", "0.825"}},
        WorkedCase{"DriftMetric",
                   &oilLostToDrift,
                   met,
                   {"150", "1", "50", "10"},
                   {"5.906", "1.969", "0.884", "0.234", "5.301", "1.400"}},
        WorkedCase{
            "CarWeightImperial",
            &carWeight,
            imp,
            {"6", "1", "150", "2500"},
            {"152.400", "10.343", "1,133.975", "4,241.147", "1,923.742", "238.419", "16.439"}},
        WorkedCase{
            "CarWeightImperialTwoPlungers",
            &carWeight,
            imp,
            {"8", "2", "120.5", "4500"},
            {"203.200", "8.308", "2,041.155", "12,113.971", "5,494.776", "165.262", "11.395"}},
        WorkedCase{
            "CarWeightMetric",
            &carWeight,
            met,
            {"150", "1", "10", "1000"},
            {"5.906", "145.038", "2,204.600", "1,801.986", "3,972.658", "15.549", "225.520"}},
        WorkedCase{
            "CarWeightMetricTwoPlungers",
            &carWeight,
            met,
            {"200", "2", "12.5", "2000"},
            {"7.874", "181.298", "4,409.200", "8,008.826", "17,656.258", "15.622", "226.578"}},
        WorkedCase{"LoadInCarImperial",
                   &loadInCar,
                   imp,
                   {"6", "1", "150", "230"},
                   {"152.400", "10.343", "15.859", "2,261.945", "1,025.996"}},
        WorkedCase{"LoadInCarEqualReadings",
                   &loadInCar,
                   imp,
                   {"8", "2", "120", "120"},
                   {"203.200", "8.274", "8.274", "0.000", "0.000"}},
        WorkedCase{"LoadInCarMetric",
                   &loadInCar,
                   met,
                   {"150", "1", "10", "16.5"},
                   {"5.906", "145.038", "239.313", "1,171.291", "2,582.228"}},
        WorkedCase{"PumpImperial",
                   &pumpPower,
                   imp,
                   {"500", "100", "85"},
                   {"34.475", "6.309", "29.167", "21.750", "34.314", "25.588"}},
        WorkedCase{"PumpImperialNoLosses",
                   &pumpPower,
                   imp,
                   {"350", "60", "100"},
                   {"24.133", "3.785", "12.250", "9.135", "12.250", "9.135"}},
        WorkedCase{"PumpMetric",
                   &pumpPower,
                   met,
                   {"35", "6.3", "85"},
                   {"507.633", "99.857", "22.050", "29.569", "25.941", "34.787"}},
        WorkedCase{"TimedRunImperialOnSpeed",
                   &timedRun,
                   imp,
                   {"40", "24", "100"},
                   {"12.192", "0.508", "100.000", "0.508", "0.000"}},
        WorkedCase{"TimedRunImperialSlow",
                   &timedRun,
                   imp,
                   {"30", "20", "100"},
                   {"9.144", "0.508", "90.000", "0.457", "-10.000"}},
        WorkedCase{"TimedRunMetric",
                   &timedRun,
                   met,
                   {"12", "24", "0.5"},
                   {"39.370", "98.425", "0.500", "98.425", "0.000"}},
        WorkedCase{"TimedRunMetricSlow",
                   &timedRun,
                   met,
                   {"10", "20", "0.63"},
                   {"32.808", "124.016", "0.500", "98.425", "-20.635"}},
        WorkedCase{
            "ReliefImperial", &reliefSetting, imp, {"400", "500"}, {"27.580", "34.475", "125.000"}},
        WorkedCase{"ReliefMetric",
                   &reliefSetting,
                   met,
                   {"27.5", "38.5"},
                   {"398.855", "558.396", "140.000"}},
        WorkedCase{"TestPressureImperial",
                   &pressureAtShare,
                   imp,
                   {"400", "140"},
                   {"27.580", "560.000", "38.612"}},
        WorkedCase{"TestPressureMetric",
                   &pressureAtShare,
                   met,
                   {"27.5", "200"},
                   {"398.855", "55.000", "797.709"}},
        WorkedCase{"HoldLoss", &pressureHold, imp, {"600", "560"}, {"41.370", "38.612", "6.667"}},
        WorkedCase{"HoldAllLost", &pressureHold, imp, {"600", "0"}, {"41.370", "0.000", "100.000"}},
        WorkedCase{"HoldRise", &pressureHold, imp, {"500", "510"}, {"34.475", "35.165", "-2.000"}}),
    [](const auto &info) { return std::string(info.param.name); });

struct RefusalCase {
    const char *name;
    const Check *check;
    Texts inputs;
    std::string says;
};

std::ostream &operator<<(std::ostream &out, const RefusalCase &c) {
    return out << c.name;
}

class CheckRefusals : public ::testing::TestWithParam<RefusalCase> {};

// A refusal names the first input, in row order, that breaks its rule, and writes nothing.
TEST_P(CheckRefusals, NameTheInputAndTheRule) {
    const auto &c = GetParam();
    EXPECT_EQ(writtenTexts(*c.check, imp, c.inputs), Texts{"refused: " + c.says});
}

INSTANTIATE_TEST_SUITE_P(
    Checks, CheckRefusals,
    ::testing::Values(
        RefusalCase{"Empty", &oilForTravel, {"", "1", "25"}, "Plunger diameter is not a number"},
        RefusalCase{"Letters", &oilForTravel, {"4", "1", "25 ft"}, "Travel is not a number"},
        RefusalCase{"Zero", &oilForTravel, {"4", "1", "0"}, "Travel must be more than 0"},
        RefusalCase{
            "Negative", &oilForTravel, {"-4", "1", "0"}, "Plunger diameter must be more than 0"},
        RefusalCase{
            "NegativeZero", &oilLostToDrift, {"6", "1", "2", "-0"}, "Time must be more than 0"},
        RefusalCase{"FractionOfPlungers",
                    &oilForTravel,
                    {"4", "1.5", "25"},
                    "Number of plungers must be a whole number of at least 1"},
        RefusalCase{"NoPlungers",
                    &carWeight,
                    {"6", "0", "150", "2500"},
                    "Number of plungers must be a whole number of at least 1"},
        RefusalCase{"LoadedBelowEmpty",
                    &loadInCar,
                    {"6", "1", "230", "150"},
                    "Loaded-car pressure must not be below the empty-car pressure"},
        RefusalCase{"EmptyNotANumberBeforeLoaded",
                    &loadInCar,
                    {"6", "1", "x", "150"},
                    "Empty-car pressure is not a number"},
        RefusalCase{"EfficiencyAbove100",
                    &pumpPower,
                    {"500", "100", "100.5"},
                    "Overall efficiency must be at most 100 %"},
        RefusalCase{"EfficiencyZero",
                    &pumpPower,
                    {"500", "100", "0"},
                    "Overall efficiency must be more than 0"},
        RefusalCase{"HoldEndNegative",
                    &pressureHold,
                    {"600", "-1"},
                    "Pressure at the end must be 0 or more"},
        RefusalCase{"HoldStartZero",
                    &pressureHold,
                    {"0", "0"},
                    "Pressure at the start must be more than 0"},
        RefusalCase{"OverflowingArea",
                    &oilForTravel,
                    {"1e200", "1", "25"},
                    "The figures give a result too large to compute"},
        RefusalCase{"OverflowingEquivalent",
                    &oilLostToDrift,
                    {"1", "1", "1e307", "10"},
                    "The figures give a result too large to compute"},
        RefusalCase{"OverflowingAnswer",
                    &pressureAtShare,
                    {"1e307", "1e300"},
                    "The figures give a result too large to compute"},
        RefusalCase{
            "GroupingMisplaced", &timedRun, {"4,0", "24", "100"}, "Distance is not a number"}),
    [](const auto &info) { return std::string(info.param.name); });

// The figures follow the regional format both ways: typed in it, written in it.
TEST(CheckFormats, ReadAndWriteTheRegionalFormat) {
    EXPECT_EQ(
        writtenTexts(carWeight, met, {"150", "1", "10", "1.000"}, kGerman),
        (Texts{"5,906", "145,038", "2.204,600", "1.801,986", "3.972,658", "15,549", "225,520"}));
    EXPECT_EQ(writtenTexts(timedRun, imp, {"30", "20", "100"}, kTypographicMinus),
              (Texts{"9,144", "0,508", "90,000", "0,457", "\u221210,000"}));
}

} // namespace
} // namespace liftcalc::testing
