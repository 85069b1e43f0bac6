// SPDX-License-Identifier: MIT
// Turns fuzz bytes into what a person does to the window: typing any text into any field,
// clicking, Tab, Enter, Esc, the menus and closing. Every action is one a person can take, so
// each sequence can also be written as a liftcalc-replay script.
#pragma once

#include "window/actions.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace liftcalc::fuzz {

// The regional settings a sequence runs in, by name, and its actions.
struct ActionScript {
    std::string_view locale;
    std::vector<Action> actions;
};

ActionScript decodeActions(std::span<const std::uint8_t> bytes);

// The action as a liftcalc-replay line (line breaks in typed text shown as \n).
std::string replayLine(const Action &action);

} // namespace liftcalc::fuzz
