// SPDX-License-Identifier: MIT
// Turns fuzz bytes into what a person does to the window: typing any text into any field,
// clicking, Tab, Enter, Esc, the menus and closing. Every action is one a person can take, so
// each sequence can also be written as a liftcalc-replay script.
#pragma once

#include "window/window.h"

#include <cstdint>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace liftcalc::fuzz {

struct TypeInto {
    int field;
    std::string text; // raw bytes, not necessarily UTF-8
};
struct FocusField {
    int field;
};
struct ClickControl {
    ControlId control;
};
struct PressKey {
    enum Key { Tab, ShiftTab, Enter, Esc } key;
};
struct ChooseMenu {
    MenuItem item;
};
struct CloseWindow {};

using Action = std::variant<TypeInto, FocusField, ClickControl, PressKey, ChooseMenu, CloseWindow>;

// The regional settings a sequence runs in, by name, and its actions.
struct ActionScript {
    const char *locale;
    std::vector<Action> actions;
};

ActionScript decodeActions(std::span<const std::uint8_t> bytes);

// Does the action as a person would; a hidden field cannot be clicked or typed into.
void perform(Window &window, const Action &action);

// The action as a liftcalc-replay line (line breaks in typed text shown as \n).
std::string replayLine(const Action &action);

} // namespace liftcalc::fuzz
