// SPDX-License-Identifier: MIT
// The chart of conversion factors: thirteen lines, the first empty, each with its own run of
// spaces before the equals sign.
#include "test_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace liftcalc::testing {
namespace {

std::vector<std::string> splitLines(const std::string &text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

// The chart's exact text, title and buttons; it changes nothing in the window.
TEST(ConversionChart, ExactText) {
    TestWindow t;
    t.type(2, "20000");
    t.changes.clear();
    t.window.chooseMenu(MenuItem::mnuConversions);
    ASSERT_EQ(t.messages().size(), 1u);
    const MessageBox &box = t.messages()[0];
    EXPECT_EQ(box.title, "Conversion Chart");
    EXPECT_EQ(box.buttons, 0);
    EXPECT_TRUE(t.changes.empty());
    EXPECT_EQ(t.window.focus(), fieldControl(2));

    ASSERT_TRUE(box.prompt.starts_with("\r\n"));
    EXPECT_FALSE(box.prompt.ends_with("\n"));
    const auto lines = splitLines(box.prompt);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "");

    struct Line {
        const char *unit;
        int spaces;
        const char *factor;
    } expected[] = {
        {"1 Pound", 24, "0.45359 Kilograms"},
        {"1 Kilogram", 21, "2.2046 Pounds"},
        {"1 Inch", 27, "25.400 Millimeters"},
        {"1 Millimeter", 20, "0.03937 Inches"},
        {"1 Pound/Square Inch", 3, "0.06895 Bars"},
        {"1 Bar", 29, "14.5038 Pounds/Square Inch"},
        {"1 Foot/Minute", 15, "0.00508 Meters/Second"},
        {"1 Meter/Second", 11, "196.85 Feet/Minute"},
        {"1 Gallon/Minute", 12, "0.06309 Liters/Second"},
        {"1 Liter/Second", 14, "15.8503 Gallons/Minute"},
        {"1 Gallon/Foot", 16, "approx.  12.42 Liters/Meter"},
        {"1 Liter/Meter", 17, "approx.  .0805 Gallons/Foot"},
    };
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE("line " + std::to_string(i + 1));
        const auto &e = expected[i];
        EXPECT_EQ(lines[i + 1],
                  std::string(e.unit) + std::string(e.spaces, ' ') + "=   " + e.factor);
    }
}

} // namespace
} // namespace liftcalc::testing
