// SPDX-License-Identifier: MIT
// The chart of conversion factors. Its text is checked here and nowhere else: the window builds
// it from the factors the calculations use, and the lines below are the chart as it is
// published, so a changed factor or a slipped run of spaces shows here.
#include "tests/support/test_window.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace liftcalc::testing {
namespace {

// The runs of spaces line the equals signs up in the message box's proportional font.
constexpr const char *kPublishedChart[] = {
    "1 Pound                        =   0.45359 Kilograms",
    "1 Kilogram                     =   2.2046 Pounds",
    "1 Inch                           =   25.400 Millimeters",
    "1 Millimeter                    =   0.03937 Inches",
    "1 Pound/Square Inch   =   0.06895 Bars",
    "1 Bar                             =   14.5038 Pounds/Square Inch",
    "1 Foot/Minute               =   0.00508 Meters/Second",
    "1 Meter/Second           =   196.85 Feet/Minute",
    "1 Gallon/Minute            =   0.06309 Liters/Second",
    "1 Liter/Second              =   15.8503 Gallons/Minute",
    "1 Gallon/Foot                =   approx.  12.42 Liters/Meter",
    "1 Liter/Meter                 =   approx.  .0805 Gallons/Foot",
};

// Everything the chart must leave as it was.
struct Seen {
    FieldTexts texts;
    std::optional<ControlId> focus;
    std::string heading;
    bool imperial;
    bool operator==(const Seen &) const = default;
};

Seen seen(const Window &w) {
    return {w.texts(), w.focus(), w.Label1(kHeadingLabel).Caption, w.imperialMode()};
}

// With any calculator and either unit system chosen, and figures typed, the chart shows the
// published lines after an empty first one, in a box with an OK button only, and changes
// nothing in the window, not even the focus.
TEST(ConversionChart, ShowsThePublishedLinesAndChangesNothing) {
    std::string published;
    for (const char *line : kPublishedChart)
        published += std::string("\r\n") + line;

    for (MenuItem calculator :
         {menuItemOf(calculators::staticPressure), menuItemOf(calculators::plungerDisplacement),
          menuItemOf(calculators::upSpeed)}) {
        for (MenuItem units : {MenuItem::mnuImperial, MenuItem::mnuMetric}) {
            SCOPED_TRACE(std::string(menuDesign(calculator).name) + ", " +
                         std::string(menuDesign(units).name));
            TestWindow t;
            t.window.chooseMenu(units);
            t.window.chooseMenu(calculator);
            t.type(1, "2");
            const Seen before = seen(t.window);
            t.changes.clear();

            t.window.chooseMenu(MenuItem::mnuConversions);
            ASSERT_EQ(t.messages().size(), 1u);
            EXPECT_EQ(t.messages()[0].title, "Conversion Chart");
            EXPECT_EQ(t.messages()[0].buttons, 0);
            EXPECT_EQ(t.messages()[0].prompt, published);
            EXPECT_TRUE(t.changes.empty());
            EXPECT_TRUE(seen(t.window) == before);
        }
    }
}

} // namespace
} // namespace liftcalc::testing
