// SPDX-License-Identifier: MIT
// The chooser answers its keys as a list does: Home, End and the page keys go to the ends,
// letters typed in quick succession find a check by its title, and the focus stays on it.
#include "window/checks_actions.h"
#include "window/recording_host.h"

#include <gtest/gtest.h>

#include <string>

namespace liftcalc {
namespace {

// The checks in the chooser's order: 0 Oil for a travel, 1 Oil lost to a drift, 2 Car weight
// from the gauge, 3 Load in the car, 4 Pump power, 5 Speed from a timed run, 6 Relief valve
// setting, 7 Pressure at a share of full load, 8 Pressure hold.
TEST(CheckChooser, KeysAndLettersPickAsAListDoes) {
    struct Case {
        int from;
        ChecksAction action;
        int to;
    };
    using K = PressChooserKey;
    using T = TypeOnChooser;
    const Case cases[] = {
        {4, K{K::Home}, 0},     {4, K{K::PageUp}, 0},    {0, K{K::End}, 8},
        {2, K{K::PageDown}, 8}, {8, K{K::End}, 8},       {0, T{"p"}, 4},
        {4, T{"p"}, 7},         {4, T{"pp"}, 7},         {7, T{"ppp"}, 8},
        {8, T{"P"}, 4},         {0, T{"o"}, 1},          {1, T{"o"}, 0},
        {0, T{"pre"}, 7},       {7, T{"pressure h"}, 8}, {0, T{"PRESSURE H"}, 8},
        {4, T{"pu"}, 4},        {0, T{"r"}, 6},          {0, T{"s"}, 5},
        {6, T{"car"}, 2},       {0, T{"l"}, 3},          {3, T{"x"}, 3},
        {3, T{"pumpe"}, 3},     {3, T{"\xc3\xa9"}, 3},   {3, T{" "}, 3},
    };
    for (const Case &c : cases) {
        RecordingHost host;
        ChecksWindow window{host, NumberFormat::english(), UnitSystem::imperial};
        window.chooseCheck(c.from);
        window.click(ChecksControl::chooser);
        SCOPED_TRACE(::testing::Message() << "from " << c.from << " case to " << c.to);
        EXPECT_TRUE(perform(window, c.action));
        EXPECT_EQ(window.checkIndex(), c.to);
        EXPECT_EQ(window.focus(), ChecksFocus{ChecksControl::chooser});
    }
}

// Away from the chooser the list's keys are the field's or the button's: no check changes, and
// letters there are not the chooser's to take.
TEST(CheckChooser, OnlyTheChooserTakesThem) {
    RecordingHost host;
    ChecksWindow window{host, NumberFormat::english(), UnitSystem::imperial};
    window.chooseCheck(3);
    for (const ChecksFocus focus :
         {ChecksFocus{CheckField{1, false}}, ChecksFocus{ChecksControl::optImperial}}) {
        if (const auto *control = std::get_if<ChecksControl>(&focus))
            window.click(*control);
        else
            window.clickField(std::get<CheckField>(focus));
        EXPECT_TRUE(perform(window, PressChooserKey{PressChooserKey::End}));
        EXPECT_FALSE(perform(window, TypeOnChooser{"p"}));
        EXPECT_EQ(window.checkIndex(), 3);
        EXPECT_EQ(window.focus(), focus);
    }
    window.click(ChecksControl::chooser);
    EXPECT_FALSE(perform(window, TypeOnChooser{""}));
    window.close();
    EXPECT_FALSE(perform(window, PressChooserKey{PressChooserKey::Home}));
    EXPECT_EQ(window.checkIndex(), 3);
}

// Each list key's name reaches the chooser as that key.
TEST(CheckChooser, KeysByName) {
    for (std::size_t k = 0; k < kChooserKeyNames.size(); ++k) {
        const auto action = checksKeyAction(kChooserKeyNames[k]);
        ASSERT_TRUE(action) << kChooserKeyNames[k];
        ASSERT_TRUE(std::holds_alternative<PressChooserKey>(*action));
        EXPECT_EQ(std::get<PressChooserKey>(*action).key, static_cast<PressChooserKey::Key>(k));
    }
    for (const char *other : {"home", "PageUp", "Ctrl+Home", "PgUp "})
        EXPECT_FALSE(checksKeyAction(other)) << other;
}

} // namespace
} // namespace liftcalc
