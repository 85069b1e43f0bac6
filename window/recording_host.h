// SPDX-License-Identifier: MIT
#pragma once

#include "window/window.h"

#include <vector>

namespace liftcalc {

// A host without a screen: it keeps every message box (the calculator window's and the field
// checks window's) and closes it at once with its only button, and counts the times the window
// was unloaded.
class RecordingHost : public WindowHost {
public:
    void showMessage(const MessageBox &box) override { shown.push_back(box); }
    void windowUnloaded() override { ++unloaded; }

    std::vector<MessageBox> shown;
    int unloaded = 0;
};

} // namespace liftcalc
