// SPDX-License-Identifier: MIT
// Moving the focus with the keyboard.
#include "tests/support/test_window.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace liftcalc::testing {
namespace {

std::optional<ControlId> field(int i) {
    return fieldControl(i);
}

// Where Tab should go, worked out from where the controls stand rather than from their tab
// indices: the fields a person can type into, row by row down the window and left to right in
// a row, then the command buttons along the bottom from the left, then the chosen unit button.
std::vector<std::optional<ControlId>> stopsByPosition(const Window &w) {
    struct Placed {
        int top, left;
        ControlId control;
    };
    std::vector<Placed> placed;
    for (int i = 0; i < kFieldCount; ++i)
        if (w.Text1(i).Visible && !w.Text1(i).Locked)
            placed.push_back({kFields[i].place.top, w.Text1(i).Left, fieldControl(i)});
    for (const ButtonDesign &b : kButtons)
        if (b.id != ControlId::optImperial && b.id != ControlId::optMetric)
            placed.push_back({b.place.top, b.place.left, b.id});
    std::sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) {
        return std::pair(a.top, a.left) < std::pair(b.top, b.left);
    });
    std::vector<std::optional<ControlId>> stops;
    for (const Placed &p : placed)
        stops.push_back(p.control);
    stops.push_back(w.optImperial().Value ? ControlId::optImperial : ControlId::optMetric);
    return stops;
}

// Tab goes round the stops by position and Shift+Tab back, with every calculator in either
// unit system, and with every field open and on show.
TEST(TabOrder, GoesDownTheWindowRowByRow) {
    std::vector<std::pair<std::string, std::function<void(TestWindow &)>>> states;
    for (const MenuDesign &menu : kMenus)
        if (menu.parent == MenuItem::mnuCalculators)
            for (MenuItem units : {MenuItem::mnuImperial, MenuItem::mnuMetric})
                states.emplace_back(std::string(menu.name) + " " +
                                        std::string(menuDesign(units).name),
                                    [&menu, units](TestWindow &t) {
                                        t.window.chooseMenu(units);
                                        t.window.chooseMenu(menu.item);
                                    });
    states.emplace_back("every field open", [](TestWindow &t) {
        for (int i = 0; i < kFieldCount; ++i)
            t.code.setVisible(i, true);
        t.code.ClearLocks();
    });

    for (const auto &[name, setUp] : states) {
        SCOPED_TRACE(name);
        TestWindow t;
        setUp(t);
        const auto stops = stopsByPosition(t.window);
        const std::size_t n = stops.size();
        ASSERT_TRUE(isField(*stops.front()));
        t.window.clickField(fieldIndex(*stops.front()));
        for (std::size_t k = 1; k <= n; ++k) {
            t.window.pressTab(false);
            EXPECT_EQ(t.window.focus(), stops[k % n]) << k << " Tabs";
        }
        for (std::size_t k = 1; k <= n; ++k) {
            t.window.pressTab(true);
            EXPECT_EQ(t.window.focus(), stops[n - k]) << k << " Shift+Tabs";
        }
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
