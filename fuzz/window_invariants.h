// SPDX-License-Identifier: MIT
// What must hold of the calculator window whenever no handler is running, and of every message
// box it shows. Written from the window's published behaviour, not from its code: the tables
// here are the calculators' documented field arrangements, kept apart on purpose.
#pragma once

#include "window/checks_window.h"
#include "window/window.h"

#include <string>

namespace liftcalc::fuzz {

// The first broken invariant of the window's state, or an empty text.
std::string brokenInvariant(const Window &window);

// Answers every message box at once and notes the first that the window has no business
// showing: only a calculation's invalid-number message with the current calculator's title,
// the total displacement of the plunger displacement calculator, and the conversion chart.
// The boxes of the field checks window, which the calculator window's item opens, may only be a
// refusal under the chosen check's title.
class CheckingHost : public WindowHost {
public:
    void watch(const Window &window) { window_ = &window; }
    void showMessage(const MessageBox &box) override;
    std::string problem;

private:
    const Window *window_ = nullptr;
};

// The first broken invariant of the field checks window's state, or an empty text: the rows of
// the chosen check shown and no others, inputs open in the chosen column only, answers locked
// and either all empty or all figures in the answer format.
std::string brokenChecksInvariant(const ChecksWindow &checks);

} // namespace liftcalc::fuzz
