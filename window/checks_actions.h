// SPDX-License-Identifier: MIT
// What a person does to the field checks window, as values, and the keys it takes by name: every
// front end and test that drives the checks window describes a step as one ChecksAction.
#pragma once

#include "window/actions.h"
#include "window/checks_keys.h"
#include "window/checks_window.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace liftcalc {

// Picks a check from the chooser's list.
struct ChooseCheck {
    int index;
};
struct ClickCheckField {
    CheckField field;
};
// Clicks into a field and replaces its whole text; the caret ends after it.
struct TypeIntoCheck {
    CheckField field;
    std::string text;
};
struct ClickChecksControl {
    ChecksControl control;
};
// The keys are the calculator window's, by the same names (kKeyNames).
struct PressChecksKey {
    PressKey::Key key;
};
// Closes the window from its title bar.
struct CloseChecks {};
// The keys that only the chooser takes, as a list does; elsewhere they are the field's.
struct PressChooserKey {
    enum Key { Home, End, PageUp, PageDown } key;
};
// The chooser keys as a person names them, in the order of PressChooserKey::Key.
inline constexpr auto kChooserKeyNames =
    std::to_array<std::string_view>({"Home", "End", "PgUp", "PgDown"});
static_assert(kChooserKeyNames.size() == PressChooserKey::PageDown + 1);
// Letters typed on the chooser in quick succession: all of them so far.
struct TypeOnChooser {
    std::string typed;
};

using ChecksAction = std::variant<ChooseCheck, ClickCheckField, TypeIntoCheck, ClickChecksControl,
                                  PressChecksKey, CloseChecks, PressChooserKey, TypeOnChooser>;

// Does the action as a person would. False when the window could not take it (a closed window,
// a hidden field, a locked one typed into); the window then stays as it was.
bool perform(ChecksWindow &window, const ChecksAction &action);

// The action of a key as a person names it: "Tab", "Shift+Tab", "Enter", "Esc", an arrow, one
// of kChooserKeyNames, or a
// control's access key ("Alt+C" Calculate, "Alt+L" Clear, "Alt+O" Close, "Alt+I" and "Alt+M"
// the unit systems, "Alt+K" the chooser). Nothing for any other key, which a front end leaves
// to the widget that has the focus.
std::optional<ChecksAction> checksKeyAction(std::string_view key);

} // namespace liftcalc
