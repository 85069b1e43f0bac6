// SPDX-License-Identifier: MIT
// What the window reports when one property of one control changes. The kind of control is in
// the type; the front end reads the new value from the window.
#pragma once

#include "window/controls.h"
#include "window/menus.h"

#include <variant>

namespace liftcalc {

struct FieldChanged {
    enum class Property { Text, Visible, Locked, TabStop, BackColor, Left, Selection };
    int field;
    Property property;
    bool operator==(const FieldChanged &) const = default;
};

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

using Change = std::variant<FieldChanged, LabelChanged, MenuCheckChanged, OptionChanged, FocusMoved,
                            WindowUnloaded>;

} // namespace liftcalc
