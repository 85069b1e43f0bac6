// SPDX-License-Identifier: MIT
// Moving the focus with the keyboard.
#include "tests/support/test_window.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace liftcalc::testing {
namespace {

std::optional<ControlId> field(int i) {
    return fieldControl(i);
}

// With every field visible and a tab stop, Tab walks the rows top to bottom, imperial before
// metric, then the three buttons and the selected option button; Shift+Tab walks back.
TEST(TabOrder, EveryFieldATabStop) {
    TestWindow t;
    for (int i = 0; i < kFieldCount; ++i)
        t.code.setVisible(i, true);
    t.code.ClearLocks();
    t.window.clickField(0);

    const std::vector<std::optional<ControlId>> order = {field(6),
                                                         field(1),
                                                         field(2),
                                                         field(7),
                                                         field(3),
                                                         field(8),
                                                         field(11),
                                                         field(12),
                                                         field(4),
                                                         field(9),
                                                         field(5),
                                                         field(10),
                                                         ControlId::cmdCalculate,
                                                         ControlId::cmdClear,
                                                         ControlId::cmdExit,
                                                         ControlId::optImperial,
                                                         field(0)};
    for (std::size_t i = 0; i < order.size(); ++i) {
        t.window.pressTab(false);
        EXPECT_EQ(t.window.focus(), order[i]) << "after " << i + 1 << " Tab presses";
    }
    for (std::size_t i = order.size() - 1; i-- > 0;) {
        t.window.pressTab(true);
        EXPECT_EQ(t.window.focus(), order[i]) << "Shift+Tab back to step " << i;
    }
}

// A field reached with Tab has its whole text selected.
TEST(TabOrder, TabSelectsTheWholeText) {
    TestWindow t;
    t.type(1, "12345");
    t.window.clickField(0);
    t.window.pressTab(false);
    EXPECT_EQ(t.window.focus(), field(1));
    EXPECT_EQ(t.window.Text1(1).SelStart, 0);
    EXPECT_EQ(t.window.Text1(1).SelLength, 5);
}

// Enter and Esc press the default and cancel buttons without moving the focus; the window
// tells its host once that it is gone.
TEST(Keys, EnterCalculatesEscapeExits) {
    TestWindow t;
    t.typeWorkedExample();
    t.window.pressEnter();
    EXPECT_EQ(t.window.focus(), field(2));
    EXPECT_TRUE(t.showsWorkedAnswers());
    t.window.pressEscape();
    EXPECT_FALSE(t.window.loaded());
    EXPECT_FALSE(t.window.formLoaded());
    EXPECT_EQ(t.host.unloaded, 1);
    t.window.closeFromTitleBar();
    EXPECT_EQ(t.host.unloaded, 1);
}

} // namespace
} // namespace liftcalc::testing
