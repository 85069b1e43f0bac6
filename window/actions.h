// SPDX-License-Identifier: MIT
// What a person does to the window, as values: every front end and test that drives the window
// describes a person's step as one Action and has perform() carry it out.
#pragma once

#include "window/window.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace liftcalc {

// Clicks into a field, which selects its text.
struct ClickField {
    int field;
};
// Clicks into a field and replaces its whole text, as a person pasting over the selection
// would; the caret ends after the text. The text may hold any bytes.
struct TypeInto {
    int field;
    std::string text;
};
struct ClickControl {
    ControlId control;
};
struct PressKey {
    enum Key { Tab, ShiftTab, Enter, Esc, Left, Right, Up, Down } key;
};
// The keys as a person names them, in the order of PressKey::Key.
inline constexpr auto kKeyNames = std::to_array<std::string_view>(
    {"Tab", "Shift+Tab", "Enter", "Esc", "Left", "Right", "Up", "Down"});
static_assert(kKeyNames.size() == PressKey::Down + 1);
// The key of one of kKeyNames; nothing for any other name.
std::optional<PressKey::Key> namedKey(std::string_view name);
// The row of a window's control table whose caption has the access key of an "Alt+X" key;
// null for any other key.
template <class Row, std::size_t N>
constexpr const Row *accessKeyRow(const std::array<Row, N> &rows, std::string_view key) {
    if (!key.starts_with("Alt+") || key.size() != 5)
        return nullptr;
    for (const Row &row : rows)
        if (accessKey(row.caption) == key[4])
            return &row;
    return nullptr;
}
// The row of a window's table whose published name is NAME; null for none.
template <class Row, std::size_t N>
constexpr const Row *namedRow(const std::array<Row, N> &rows, std::string_view name) {
    for (const Row &row : rows)
        if (row.name == name)
            return &row;
    return nullptr;
}
// One of kKeyNames on any window of the kit: Tab moves the focus on, Shift+Tab back, Enter and
// Esc are the window's own, and an arrow moves within the control that has the focus, Down and
// Right forwards.
template <class AnyWindow> void pressNamedKey(AnyWindow &w, PressKey::Key key) {
    switch (key) {
    case PressKey::Tab:
    case PressKey::ShiftTab:
        w.pressTab(key == PressKey::ShiftTab);
        break;
    case PressKey::Enter:
        w.pressEnter();
        break;
    case PressKey::Esc:
        w.pressEscape();
        break;
    case PressKey::Up:
    case PressKey::Left:
    case PressKey::Down:
    case PressKey::Right:
        w.pressArrow(key == PressKey::Down || key == PressKey::Right);
        break;
    }
}
struct ChooseMenu {
    MenuItem item;
};
struct CloseWindow {};

using Action = std::variant<ClickField, TypeInto, ClickControl, PressKey, ChooseMenu, CloseWindow>;

// Does the action as a person would. False when the window could not take it (a hidden field
// cannot be clicked into, a locked one not typed into); the window then stays as it was.
bool perform(Window &window, const Action &action);

// The action of a key as a person names it: one of kKeyNames, a menu shortcut ("Ctrl+L") or a
// button's access key ("Alt+C"). Nothing for any other key, which is then not the window's:
// the front end leaves it to the platform. Every front end maps its keys through this.
std::optional<Action> keyAction(std::string_view key);

} // namespace liftcalc
