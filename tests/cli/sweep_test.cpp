// SPDX-License-Identifier: MIT
#include "cli/request.h"
#include "cli/sweep.h"

#include <gtest/gtest.h>

namespace liftcalc::cli {
namespace {

struct RangeCase {
    const char *name;
    const char *range;
    std::vector<std::string> values;
};

// A range never goes past TO, ends on TO where a person expects it, and a STEP below 0 goes down.
class Ranges : public testing::TestWithParam<RangeCase> {};

TEST_P(Ranges, GiveTheValuesFromFromTowardsTo) {
    const Sweep sweep(GetParam().range, NumberFormat::english(), 1000);
    std::vector<std::string> values;
    for (std::size_t i = 0; i < sweep.size(); ++i)
        values.push_back(sweep[i]);
    EXPECT_EQ(values, GetParam().values);
}

INSTANTIATE_TEST_SUITE_P(
    Cli, Ranges,
    testing::Values(
        RangeCase{"JustShortOfTheNextStep", "1:1.9999999999:1", {"1"}},
        RangeCase{"StepLargerThanTheRange", "0:999999999:1000000000", {"0"}},
        RangeCase{"TenthsEndOnTo", "0.1:0.3:0.1", {"0.1", "0.2", "0.3"}},
        RangeCase{"Downwards", "3:1:-1", {"3", "2", "1"}},
        RangeCase{"DownwardsInTenths", "0.3:0.1:-0.1", {"0.3", "0.2", "0.1"}},
        RangeCase{"OneValue", "5:5:-2", {"5"}},
        // At the ends of the double range TO - FROM and I x STEP are beyond it.
        RangeCase{
            "AcrossTheWholeRange", "-1.7e308:1.7e308:1.7e308", {"-1.7E+308", "0", "1.7E+308"}},
        RangeCase{
            "DownAcrossTheWholeRange", "1.7e308:-1.7e308:-1.7e308", {"1.7E+308", "0", "-1.7E+308"}},
        RangeCase{"AcrossInOneStep", "-1e308:1e308:1.7e308", {"-1E+308", "7E+307"}},
        RangeCase{
            "UpToTheLargest", "1.7e308:1.79e308:0.04e308", {"1.7E+308", "1.74E+308", "1.78E+308"}},
        RangeCase{"StepOfTheLargest", "0:1:1.7e308", {"0"}},
        RangeCase{"TinySteps", "1e-300:3e-300:1e-300", {"1E-300", "2E-300", "3E-300"}},
        RangeCase{"TinyStepsDown", "-1e-300:-3e-300:-1e-300", {"-1E-300", "-2E-300", "-3E-300"}}),
    [](const auto &info) { return info.param.name; });

struct RefusedRange {
    const char *name;
    const char *range;
    const char *says;
};

// A range that is no range, or too long, is a mistake in the command with its own reason.
class RefusedRanges : public testing::TestWithParam<RefusedRange> {};

TEST_P(RefusedRanges, SayWhy) {
    try {
        Sweep(GetParam().range, NumberFormat::english(), 1000);
        ADD_FAILURE() << GetParam().range << " was taken";
    } catch (const UsageError &error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().says), std::string::npos)
            << error.what();
    }
}

constexpr const char *kTooLong = "gives more than 1000 rows";
constexpr const char *kNotNumbers = "must be numbers";
constexpr const char *kAway = "STEP must lead from FROM to TO";

INSTANTIATE_TEST_SUITE_P(
    Cli, RefusedRanges,
    testing::Values(RefusedRange{"TinyStepsAcrossTheWholeRange", "-1.7e308:1.7e308:1e-300",
                                 kTooLong},
                    RefusedRange{"LargestStepsFromTheLeast", "-1.7e308:1.7e308:1e305", kTooLong},
                    RefusedRange{"TinyStepsOverOne", "0:1:1e-300", kTooLong},
                    RefusedRange{"BeyondTheLargest", "-1.7e308:1.8e308:1e308", kNotNumbers},
                    RefusedRange{"Infinity", "0:inf:1", kNotNumbers},
                    RefusedRange{"NotANumber", "nan:1:1", kNotNumbers},
                    RefusedRange{"NotANumberStep", "0:1:nan", kNotNumbers},
                    RefusedRange{"StepZero", "0:1:0", kAway},
                    RefusedRange{"DownwardsStepUp", "1.7e308:-1.7e308:1e308", kAway},
                    RefusedRange{"TinyAndAway", "1e-200:-1e-200:1e-200", kAway},
                    RefusedRange{"TinyAndAwayDown", "-1e-200:1e-200:-1e-300", kAway},
                    RefusedRange{"TwoParts", "1:2", "a range is FROM:TO:STEP"}),
    [](const auto &info) { return info.param.name; });

// The row limit counts the rows the range really gives.
TEST(Cli, RangeRowLimit) {
    const auto english = NumberFormat::english();
    EXPECT_EQ(Sweep("1:1000:1", english, 1000).size(), 1000u);
    EXPECT_EQ(Sweep("0.001:1:0.001", english, 1000).size(), 1000u);
    EXPECT_THROW(Sweep("1:1001:1", english, 1000), UsageError);
    EXPECT_THROW(Sweep("0:1e300:1e-300", english, 1000), UsageError);
}

} // namespace
} // namespace liftcalc::cli
