// SPDX-License-Identifier: MIT
// Figures as JSON and CSV numbers: the shortest text that reads back as the very same double.
#include "json/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>

using namespace liftcalc;

namespace {

TEST(JsonNumberTest, ShortestTextThatReadsBack) {
    const struct {
        double value;
        const char *text;
    } cases[] = {
        {254.648, "254.648"},
        {20000, "20000"},
        {0.1, "0.1"},
        {-0.0, "-0"},
        {1e300, "1e+300"},
        {9071.8, "9071.8"},
        {std::numeric_limits<double>::denorm_min(), "5e-324"},
        {std::numeric_limits<double>::max(), "1.7976931348623157e+308"},
    };
    for (const auto &c : cases) {
        const std::string text = json::numberText(c.value);
        EXPECT_EQ(text, c.text);
        const double back = std::strtod(text.c_str(), nullptr);
        EXPECT_EQ(back, c.value) << text;
        EXPECT_EQ(std::signbit(back), std::signbit(c.value)) << text;
    }
}

} // namespace
