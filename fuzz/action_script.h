// SPDX-License-Identifier: MIT
// Turns fuzz bytes into what a person does to the window and to the field checks window: typing
// any text into any field, clicking, Tab, Enter, Esc, the menus, choosing a check and closing.
// Every action is one a person can take, so each sequence can also be written as a liftcalc-replay
// script.
#pragma once

#include "window/actions.h"
#include "window/checks_actions.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace liftcalc::fuzz {

// A step on the calculator window, or on the field checks window once it is open. Typing into
// the checks window goes into the row's field a person types into (the chosen column's), as the
// replay driver's "checks type" does: only the row of a TypeIntoCheck counts.
using ScriptStep = std::variant<Action, ChecksAction>;

// The regional settings a sequence runs in, by name, and its steps.
struct ActionScript {
    std::string_view locale;
    std::vector<ScriptStep> actions;
};

ActionScript decodeActions(std::span<const std::uint8_t> bytes);

// The step as a liftcalc-replay line (line breaks in typed text shown as \n).
std::string replayLine(const ScriptStep &step);

} // namespace liftcalc::fuzz
