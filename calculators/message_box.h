// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace liftcalc {

struct MessageBox {
    std::string title;
    std::string prompt; // line breaks are CR LF pairs
    int buttons = 0;    // 0: one OK button, no icon
    bool operator==(const MessageBox &) const = default;
};

} // namespace liftcalc
