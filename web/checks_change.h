// SPDX-License-Identifier: MIT
// A change of the field checks window as the page's script mirrors it: what changed, and the
// field's slot (row * 2, plus 1 for the metric field) where a field changed.
#pragma once

#include "window/checks_window.h"

#include <array>
#include <string_view>

namespace liftcalc::web {

// The field properties first, in the order of ChecksFieldChanged::Property.
enum class ChecksPageChange : int {
    text,
    visible,
    locked,
    selection,
    chosen,
    units,
    focus,
    closed,
    opened
};

// The names the script knows them by, in the order of the enumeration.
constexpr std::array<std::string_view, 9> kChecksChangeNames{
    "text", "visible", "locked", "selection", "chosen", "units", "focus", "closed", "opened"};

struct ChecksPageChangeAt {
    ChecksPageChange change;
    int slot = 0;
};

ChecksPageChangeAt checksPageChange(const ChecksChange &change);

} // namespace liftcalc::web
