// SPDX-License-Identifier: MIT
// Tab and Shift+Tab over a window's tab order, for every window.
#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <span>

namespace liftcalc {

// The next stop after `from` in `order` (before it, backwards) that `canTab` accepts, going
// round; from nowhere, or from a control outside the order, Tab starts at the first stop and
// Shift+Tab at the last. Nothing when no stop takes the focus.
template <class Stop, class CanTab>
std::optional<Stop> nextTabStop(std::span<const Stop> order, const std::optional<Stop> &from,
                                bool backwards, CanTab canTab) {
    const auto count = static_cast<std::ptrdiff_t>(order.size());
    std::ptrdiff_t position = backwards ? count : -1;
    if (from) {
        if (const auto at = std::find(order.begin(), order.end(), *from); at != order.end())
            position = at - order.begin();
    }
    const std::ptrdiff_t step = backwards ? count - 1 : 1;
    for (std::ptrdiff_t tried = 1; tried <= count; ++tried) {
        const Stop &next = order[(position + step * tried + count) % count];
        if (canTab(next))
            return next;
    }
    return std::nullopt;
}

} // namespace liftcalc
