// SPDX-License-Identifier: MIT
// A window under test: its message boxes are kept and answered OK at once, every change it
// reports is recorded as a front end would see it, and the program's own writes are reachable
// through the window's test seam.
#pragma once

#include "tests/support/number_formats.h"
#include "tests/support/worked_example.h"
#include "window/actions.h"
#include "window/recording_host.h"
#include "window/window.h"

#include <gtest/gtest.h>

#include <string_view>
#include <variant>
#include <vector>

namespace liftcalc {

// The seam through which tests of the shared mechanics make the writes and run the handlers
// that only the window's own code may.
class WindowMechanics {
public:
    explicit WindowMechanics(Window &window) : w_(window) {}
    void setText(int index, std::string_view text) { w_.setText(index, text); }
    void setVisible(int index, bool visible) { w_.setVisible(index, visible); }
    void setLocked(int index, bool locked) { w_.setLocked(index, locked); }
    void setTabStop(int index, bool tabStop) { w_.setTabStop(index, tabStop); }
    void setBackColor(int index, Colour colour) { w_.setBackColor(index, colour); }
    void setLeft(int index, int left) { w_.setLeft(index, left); }
    void setCaption(int label, std::string_view caption) { w_.setCaption(label, caption); }
    void setToolTipText(int label, std::string_view text) { w_.setToolTipText(label, text); }
    void setChecked(MenuItem item, bool checked) { w_.setChecked(item, checked); }
    void setOptionValue(ControlId option, bool value) { w_.setOptionValue(option, value); }
    void setOptionForeColor(ControlId option, Colour c) { w_.setOptionForeColor(option, c); }
    void setOptionFontBold(ControlId option, bool bold) { w_.setOptionFontBold(option, bold); }
    void ClearLocks() { w_.ClearLocks(); }

private:
    Window &w_;
};

namespace testing {

class TestWindow {
public:
    explicit TestWindow(NumberFormat format = kEnglish)
        : window(host, std::move(format)), code(window) {
        window.start();
        connection_ = window.changed.connect([this](const Change &c) { changes.push_back(c); });
    }
    ~TestWindow() { window.changed.disconnect(connection_); }

    // The indices of the fields whose text changed, in the order the changes were reported.
    std::vector<int> textChanges() const {
        std::vector<int> out;
        for (const auto &c : changes)
            if (const auto *f = std::get_if<FieldChanged>(&c);
                f && f->property == FieldChanged::Property::Text)
                out.push_back(f->field);
        return out;
    }

    void type(int index, std::string_view text) {
        perform(window, TypeInto{index, std::string(text)});
    }
    // Types the worked example's inputs into the window as it opened; Calculate is the test's.
    void typeWorkedExample() {
        for (const auto &[field, text] : kWorkedInputs)
            type(field, text);
    }
    // Whether every answer of the worked example is on show, each field checked.
    ::testing::AssertionResult showsWorkedAnswers() const {
        for (const auto &[field, text] : kWorkedAnswers)
            if (window.Text1(field).Text != text)
                return ::testing::AssertionFailure()
                       << "Text1(" << field << ") holds \"" << window.Text1(field).Text << "\"";
        return ::testing::AssertionSuccess();
    }
    const std::vector<MessageBox> &messages() const { return host.shown; }

    RecordingHost host;
    Window window;
    WindowMechanics code;
    std::vector<Change> changes;

private:
    int connection_ = 0;
};

} // namespace testing
} // namespace liftcalc
