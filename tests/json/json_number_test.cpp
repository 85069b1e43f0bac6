// SPDX-License-Identifier: MIT
// Figures as JSON and CSV numbers: the shortest text that reads back as the very same double.
#include "json/json_writer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <vector>

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
        EXPECT_EQ(json::portableNumberText(c.value), c.text);
        const double back = std::strtod(text.c_str(), nullptr);
        EXPECT_EQ(back, c.value) << text;
        EXPECT_EQ(std::signbit(back), std::signbit(c.value)) << text;
    }
}

// The C library's path gives <charconv>'s text for figures of every size and length: whole
// numbers, three-decimal answers, the boundaries between plain and exponent form, and doubles
// of all seventeen digits spread over the whole range.
TEST(JsonNumberTest, PortablePathWritesAsCharconv) {
    std::vector<double> values{1e15,    1e16, 1e21,     1e22, 1e23,   123456789012345680.0,
                               1e-5,    1e-6, 0.000123, 5e-7, 2.5e-8, 0.3,
                               2.0 / 3, 100,  1e100};
    for (int i = -40; i <= 40; ++i)
        values.push_back(std::ldexp(1.0, i * 25));
    std::uint64_t bits = 0x9E3779B97F4A7C15u;
    for (int i = 0; i < 20000; ++i) {
        bits ^= bits << 13, bits ^= bits >> 7, bits ^= bits << 17;
        double random = 0;
        std::memcpy(&random, &bits, sizeof random);
        if (std::isfinite(random))
            values.push_back(random);
        values.push_back(static_cast<double>(bits % 100000000) / 1000);
    }
    for (const double value : values)
        EXPECT_EQ(json::portableNumberText(value), json::numberText(value)) << value;
}

} // namespace
