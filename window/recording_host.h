// SPDX-License-Identifier: MIT
#pragma once

#include "window/window.h"

#include <vector>

namespace liftcalc {

// A host without a screen: it keeps every message box and closes it at once with its only
// button, counts the times the window was unloaded, and keeps each request for the field
// checks window.
class RecordingHost : public WindowHost {
public:
    void showMessage(const MessageBox &box) override { shown.push_back(box); }
    void windowUnloaded() override { ++unloaded; }
    void openFieldChecks(const NumberFormat &, UnitSystem units) override {
        checksOpened.push_back(units);
    }

    std::vector<MessageBox> shown;
    int unloaded = 0;
    std::vector<UnitSystem> checksOpened; // the unit system each opening asked for
};

} // namespace liftcalc
