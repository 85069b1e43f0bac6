// SPDX-License-Identifier: MIT
#include "window/checks_keys.h"

#include "window/controls.h"

#include <utility>

namespace liftcalc {

namespace {

// The arrows, each with whether it steps forwards.
constexpr std::array<std::pair<std::string_view, bool>, 4> kArrows{{
    {"Left", false},
    {"Up", false},
    {"Right", true},
    {"Down", true},
}};

} // namespace

bool pressChecksKey(ChecksWindow &window, std::string_view key) {
    if (!window.isOpen())
        return false;
    if (key == "Tab" || key == "Shift+Tab") {
        window.pressTab(key == "Shift+Tab");
        return true;
    }
    if (key == "Enter") {
        window.pressEnter();
        return true;
    }
    if (key == "Esc") {
        window.pressEscape();
        return true;
    }
    for (const auto &[name, forwards] : kArrows)
        if (key == name) {
            window.pressArrow(forwards);
            return true;
        }
    if (key.starts_with("Alt+") && key.size() == 5)
        for (const ChecksControlDesign &design : kChecksControls)
            if (accessKey(design.caption) == key[4]) {
                window.click(design.control);
                return true;
            }
    return false;
}

} // namespace liftcalc
