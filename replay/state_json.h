// SPDX-License-Identifier: MIT
// The window's state as one line of JSON, the replay driver's `dump`.
#pragma once

#include "window/window.h"

#include <string>
#include <vector>

namespace liftcalc {

std::string stateJson(const Window &window, const std::vector<MessageBox> &messages);

} // namespace liftcalc
