// SPDX-License-Identifier: MIT
// Each window's design tables as one JSON text for the page to build its controls from: a
// single string crosses into the script instead of a value per property.
#pragma once

#include <string>

namespace liftcalc::web {

// The calculator window's fields, labels, buttons, menus and the names of its changes.
std::string designJson();
// The field checks window's checks with their rows, its controls and the names of its changes.
std::string checksDesignJson();
// The test record window's form, commands, list and buttons, words and the names of its changes.
std::string recordDesignJson();

} // namespace liftcalc::web
