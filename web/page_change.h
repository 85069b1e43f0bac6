// SPDX-License-Identifier: MIT
// A change of the window model as the page's script mirrors it: which control, which property.
#pragma once

#include "window/window.h"

#include <array>
#include <optional>
#include <string_view>
#include <variant>

namespace liftcalc::web {

enum class PageControl : int { field, label, menu, option, window };
enum class PageProperty : int {
    text,
    visible,
    locked,
    tabStop,
    backColor,
    left,
    selection,
    caption,
    toolTip,
    checked,
    look,
    focus,
    loaded,
};

// The names the script knows them by, in the order of the two enumerations.
constexpr auto kPageControlNames =
    std::to_array<std::string_view>({"field", "label", "menu", "option", "window"});
constexpr auto kPagePropertyNames = std::to_array<std::string_view>(
    {"text", "visible", "locked", "tabStop", "backColor", "left", "selection", "caption", "toolTip",
     "checked", "look", "focus", "loaded"});
static_assert(kPageControlNames.size() == static_cast<std::size_t>(PageControl::window) + 1,
              "a control without its name");
static_assert(kPagePropertyNames.size() == static_cast<std::size_t>(PageProperty::loaded) + 1,
              "a property without its name");

struct PageChange {
    PageControl control;
    PageProperty property;
    int index = 0; // field, label or menu item index; the ControlId of an option button
};

// The one place that looks inside the model's Change. Nothing for the opening of the field
// checks window, which the page mirrors through that window's own changes.
std::optional<PageChange> pageChange(const Change &change);

} // namespace liftcalc::web
