// SPDX-License-Identifier: MIT
#include "window/checks_keys.h"

#include "window/checks_actions.h"

namespace liftcalc {

bool pressChecksKey(ChecksWindow &window, std::string_view key) {
    const auto action = checksKeyAction(key);
    return action && perform(window, *action);
}

} // namespace liftcalc
