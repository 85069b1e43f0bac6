// SPDX-License-Identifier: MIT
// A change of the field checks window as the page's script mirrors it: what changed, and the
// field's slot (row * 2, plus 1 for the metric field) where a field changed.
#pragma once

#include "window/checks_window.h"

#include <array>
#include <optional>
#include <string_view>

namespace liftcalc::web {

// The field properties first.
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
constexpr auto kChecksChangeNames = std::to_array<std::string_view>(
    {"text", "visible", "locked", "selection", "chosen", "units", "focus", "closed", "opened"});
static_assert(kChecksChangeNames.size() == static_cast<std::size_t>(ChecksPageChange::opened) + 1,
              "a change of the checks window without its name");

struct ChecksPageChangeAt {
    ChecksPageChange change;
    int slot = 0;
};

// Nothing for a field's tab stop and colour, which follow its lock.
std::optional<ChecksPageChangeAt> checksPageChange(const ChecksChange &change);

} // namespace liftcalc::web
