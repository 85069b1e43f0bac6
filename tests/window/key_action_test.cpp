// SPDX-License-Identifier: MIT
// The one mapping of a person's keys to the window's actions that every front end uses. The
// keys a face does not get an action for are left to the platform (the page's own menus open
// on Alt+A, U and H), so a key the window does not have must map to nothing.
#include "window/actions.h"

#include <gtest/gtest.h>

namespace liftcalc {
namespace {

struct KeyCase {
    const char *name;
    std::string_view key;
    std::optional<Action> action;
};

// Which action and what it acts on, as one comparable value.
std::pair<std::size_t, int> described(const Action &action) {
    struct Target {
        int operator()(const ClickField &a) { return a.field; }
        int operator()(const TypeInto &a) { return a.field; }
        int operator()(const ClickControl &a) { return static_cast<int>(a.control); }
        int operator()(const PressKey &a) { return a.key; }
        int operator()(const ChooseMenu &a) { return static_cast<int>(a.item); }
        int operator()(const CloseWindow &) { return 0; }
    };
    return {action.index(), std::visit(Target{}, action)};
}

class KeyActionTest : public testing::TestWithParam<KeyCase> {};

TEST_P(KeyActionTest, MapsThePublishedKeys) {
    const auto action = keyAction(GetParam().key);
    ASSERT_EQ(action.has_value(), GetParam().action.has_value());
    if (action) {
        EXPECT_EQ(described(*action), described(*GetParam().action));
    }
}

// The keys as the README lists them for the replay driver and the page, written out here
// rather than read from the tables the mapping is built from.
INSTANTIATE_TEST_SUITE_P(
    Keys, KeyActionTest,
    testing::Values(
        KeyCase{"Tab", "Tab", PressKey{PressKey::Tab}},
        KeyCase{"ShiftTab", "Shift+Tab", PressKey{PressKey::ShiftTab}},
        KeyCase{"Enter", "Enter", PressKey{PressKey::Enter}},
        KeyCase{"Esc", "Esc", PressKey{PressKey::Esc}},
        KeyCase{"Left", "Left", PressKey{PressKey::Left}},
        KeyCase{"Right", "Right", PressKey{PressKey::Right}},
        KeyCase{"Up", "Up", PressKey{PressKey::Up}},
        KeyCase{"Down", "Down", PressKey{PressKey::Down}},
        KeyCase{"CtrlD", "Ctrl+D", ChooseMenu{menuItemOf(calculators::plungerDiameter)}},
        KeyCase{"CtrlF", "Ctrl+F", ChooseMenu{menuItemOf(calculators::flowRate)}},
        KeyCase{"CtrlL", "Ctrl+L", ChooseMenu{menuItemOf(calculators::loadOnPlungers)}},
        KeyCase{"CtrlP", "Ctrl+P", ChooseMenu{menuItemOf(calculators::plungerDisplacement)}},
        KeyCase{"CtrlS", "Ctrl+S", ChooseMenu{menuItemOf(calculators::staticPressure)}},
        KeyCase{"CtrlU", "Ctrl+U", ChooseMenu{menuItemOf(calculators::upSpeed)}},
        KeyCase{"CtrlI", "Ctrl+I", ChooseMenu{MenuItem::mnuImperial}},
        KeyCase{"CtrlM", "Ctrl+M", ChooseMenu{MenuItem::mnuMetric}},
        KeyCase{"CtrlC", "Ctrl+C", ChooseMenu{MenuItem::mnuConversions}},
        KeyCase{"AltC", "Alt+C", ClickControl{ControlId::cmdCalculate}},
        KeyCase{"AltL", "Alt+L", ClickControl{ControlId::cmdClear}},
        KeyCase{"AltX", "Alt+X", ClickControl{ControlId::cmdExit}},
        KeyCase{"AltI", "Alt+I", ClickControl{ControlId::optImperial}},
        KeyCase{"AltM", "Alt+M", ClickControl{ControlId::optMetric}},
        // The menus of the menu bar are the face's own.
        KeyCase{"AltA", "Alt+A", std::nullopt}, KeyCase{"AltU", "Alt+U", std::nullopt},
        KeyCase{"AltH", "Alt+H", std::nullopt},
        // Nothing else: other letters, other spellings, broken names.
        KeyCase{"CtrlQ", "Ctrl+Q", std::nullopt}, KeyCase{"LowerCase", "tab", std::nullopt},
        KeyCase{"LowerLetter", "Ctrl+l", std::nullopt},
        KeyCase{"ShiftEnter", "Shift+Enter", std::nullopt},
        KeyCase{"CtrlAlone", "Ctrl+", std::nullopt}, KeyCase{"AltAlone", "Alt+", std::nullopt},
        KeyCase{"AltTwoLetters", "Alt+CX", std::nullopt}, KeyCase{"Empty", "", std::nullopt}),
    [](const auto &info) { return info.param.name; });

} // namespace
} // namespace liftcalc
