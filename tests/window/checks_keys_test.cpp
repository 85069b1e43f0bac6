// SPDX-License-Identifier: MIT
// The checks window's keys by name: each reaches the window as the key it names, access keys
// click their controls, other keys are left to the platform, and a closed window takes none.
#include "window/checks_keys.h"
#include "window/controls.h"
#include "window/recording_host.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace liftcalc {
namespace {

TEST(ChecksKeys, EachNameDoesWhatItSays) {
    struct Case {
        std::string key;
        ChecksFocus before;
        int checkAfter;
        ChecksFocus after;
    };
    const CheckField first{0, false};
    const Case cases[] = {
        {"Tab", first, 0, CheckField{1, false}},
        {"Shift+Tab", first, 0, ChecksControl::optImperial},
        {"Alt+K", first, 0, ChecksControl::chooser},
        {"Alt+L", CheckField{1, false}, 0, first},
        {"Right", ChecksControl::chooser, 1, ChecksControl::chooser},
        {"Down", ChecksControl::chooser, 1, ChecksControl::chooser},
        {"Left", ChecksControl::chooser, 8, ChecksControl::chooser},
        {"Up", ChecksControl::chooser, 8, ChecksControl::chooser},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.key);
        RecordingHost host;
        ChecksWindow window{host, NumberFormat::english(), UnitSystem::imperial};
        if (const auto *control = std::get_if<ChecksControl>(&c.before))
            window.click(*control);
        else
            window.clickField(std::get<CheckField>(c.before));
        EXPECT_TRUE(pressChecksKey(window, c.key));
        EXPECT_EQ(window.checkIndex(), c.checkAfter);
        EXPECT_EQ(window.focus(), c.after);
        EXPECT_TRUE(window.isOpen());
    }
}

TEST(ChecksKeys, UnitsEnterAndEscape) {
    RecordingHost host;
    ChecksWindow window{host, NumberFormat::english(), UnitSystem::imperial};
    EXPECT_TRUE(pressChecksKey(window, "Alt+M"));
    EXPECT_FALSE(window.imperial());
    EXPECT_TRUE(pressChecksKey(window, "Alt+I"));
    EXPECT_TRUE(window.imperial());
    // Calculate with every input empty refuses through the host's box.
    EXPECT_TRUE(pressChecksKey(window, "Alt+C"));
    EXPECT_EQ(host.shown.size(), 1u);
    EXPECT_TRUE(pressChecksKey(window, "Enter"));
    EXPECT_EQ(host.shown.size(), 2u);
    for (const char *other : {"Ctrl+K", "Alt+X", "Alt+", "Alt+KK", "F1", "", "Esc2", "Shift+Enter"})
        EXPECT_FALSE(pressChecksKey(window, other)) << other;
    EXPECT_TRUE(pressChecksKey(window, "Alt+O"));
    EXPECT_FALSE(window.isOpen());
    EXPECT_FALSE(pressChecksKey(window, "Tab"));
    EXPECT_FALSE(pressChecksKey(window, "Alt+C"));
    EXPECT_EQ(host.shown.size(), 2u);

    ChecksWindow other{host, NumberFormat::english(), UnitSystem::metric};
    EXPECT_TRUE(pressChecksKey(other, "Esc"));
    EXPECT_FALSE(other.isOpen());
}

TEST(ChecksKeys, AccessKeysAreDistinct) {
    std::set<char> keys;
    for (const ChecksControlDesign &design : kChecksControls) {
        EXPECT_EQ(design.control, kChecksControls[static_cast<int>(design.control)].control);
        EXPECT_TRUE(keys.insert(accessKey(design.caption)).second) << design.caption;
    }
}

} // namespace
} // namespace liftcalc
