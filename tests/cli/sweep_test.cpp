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
    testing::Values(RangeCase{"JustShortOfTheNextStep", "1:1.9999999999:1", {"1"}},
                    RangeCase{"StepLargerThanTheRange", "0:999999999:1000000000", {"0"}},
                    RangeCase{"TenthsEndOnTo", "0.1:0.3:0.1", {"0.1", "0.2", "0.3"}},
                    RangeCase{"Downwards", "3:1:-1", {"3", "2", "1"}},
                    RangeCase{"DownwardsInTenths", "0.3:0.1:-0.1", {"0.3", "0.2", "0.1"}},
                    RangeCase{"OneValue", "5:5:-2", {"5"}}),
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
