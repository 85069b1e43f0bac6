// SPDX-License-Identifier: MIT
// What the window reports when one property of one control changes. The kind of control is in
// the type; the front end reads the new value from the window.
#pragma once

#include "window/controls.h"
#include "window/menus.h"
#include "window/text_box.h"

#include <variant>

namespace liftcalc {

struct LabelChanged {
    enum class Property { Caption, ToolTipText };
    int label;
    Property property;
    bool operator==(const LabelChanged &) const = default;
};

struct MenuCheckChanged {
    MenuItem item;
    bool operator==(const MenuCheckChanged &) const = default;
};

struct OptionChanged {
    enum class Property { Value, ForeColor, FontBold };
    ControlId option;
    Property property;
    bool operator==(const OptionChanged &) const = default;
};

struct FocusMoved {
    bool operator==(const FocusMoved &) const = default;
};

// The window is gone; the program ends.
struct WindowUnloaded {
    bool operator==(const WindowUnloaded &) const = default;
};

// The windows the calculator window opens and owns.
enum class SecondaryWindow { fieldChecks, testRecord };

// The window has opened a window of its own, or is bringing the open one forward: the front end
// shows it, or raises the one it shows.
struct SecondaryShown {
    SecondaryWindow window;
    bool operator==(const SecondaryShown &) const = default;
};

using Change = std::variant<FieldChanged, LabelChanged, MenuCheckChanged, OptionChanged, FocusMoved,
                            WindowUnloaded, SecondaryShown>;

} // namespace liftcalc
