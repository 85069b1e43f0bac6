// SPDX-License-Identifier: MIT
// A window under test: it keeps every message box and answers OK at once, and it records every
// change the window reports, as a front end would see them.
#pragma once

#include "window/window.h"

#include <vector>

namespace liftcalc::testing {

class TestWindow : public WindowHost {
public:
    explicit TestWindow(NumberFormat format = NumberFormat{".", ",", "-"})
        : window(*this, std::move(format)) {
        window.start();
        connection_ = window.changed.connect([this](const Change &c) { changes.push_back(c); });
    }
    ~TestWindow() override { window.changed.disconnect(connection_); }

    void showMessage(const MessageBox &box) override { messages.push_back(box); }
    void windowUnloaded() override { ++unloaded; }

    // The indices of the fields whose text changed, in the order the changes were reported.
    std::vector<int> textChanges() const {
        std::vector<int> out;
        for (const auto &c : changes)
            if (c.property == Change::Property::Text)
                out.push_back(c.index);
        return out;
    }

    // Types a whole text into a field, as a person pasting over its selection would.
    void type(int index, std::string_view text) {
        window.clickField(index);
        window.editField(index, text, 1 << 30);
    }

    Window window;
    std::vector<Change> changes;
    std::vector<MessageBox> messages;
    int unloaded = 0;

private:
    int connection_ = 0;
};

} // namespace liftcalc::testing
