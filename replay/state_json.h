// SPDX-License-Identifier: MIT
// The window's state as one line of JSON, the replay driver's `dump`.
#pragma once

#include "window/window.h"

#include <string>
#include <string_view>
#include <vector>

namespace liftcalc {

// A JSON string literal for UTF-8 text.
std::string jsonString(std::string_view text);

std::string stateJson(const Window &window, const std::vector<MessageBox> &messages);

} // namespace liftcalc
