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
constexpr std::array<std::string_view, 5> kPageControlNames{"field", "label", "menu", "option",
                                                            "window"};
constexpr std::array<std::string_view, 13> kPagePropertyNames{
    "text",    "visible", "locked",  "tabStop", "backColor", "left",  "selection",
    "caption", "toolTip", "checked", "look",    "focus",     "loaded"};

struct PageChange {
    PageControl control;
    PageProperty property;
    int index = 0; // field, label or menu item index; the ControlId of an option button
};

// The one place that looks inside the model's Change. Nothing for the opening of the field
// checks window, which the page mirrors through that window's own changes.
std::optional<PageChange> pageChange(const Change &change);

} // namespace liftcalc::web
