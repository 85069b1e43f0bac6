// SPDX-License-Identifier: MIT
// The window's state as one line of JSON, the replay driver's `dump`.
#pragma once

#include "window/checks_window.h"
#include "window/window.h"

#include <span>
#include <string>
#include <vector>

namespace liftcalc {

// Where the field checks window's focus is, as the dump names it: "row 2 metric", "cmdCalculate".
std::string checksFocusText(const ChecksWindow &checks);

// With the field checks window open, its state follows under "checks", and with the test
// record window open, its own under "record" with the files written since the last dump
// (record_json.h); without them, nothing.
std::string stateJson(const Window &window, const std::vector<MessageBox> &messages,
                      const ChecksWindow *checks = nullptr, const RecordWindow *record = nullptr,
                      std::span<const std::string> files = {});

} // namespace liftcalc
