// SPDX-License-Identifier: MIT
// A change of the window model as the page's script mirrors it: which control, which property.
#pragma once

#include "window/window.h"

#include <string>

namespace liftcalc::web {

struct PageChange {
    std::string control;  // "field", "label", "menu", "option" or "window"
    std::string property; // "text", "visible", "locked", ... as the script names them
    int index = 0;        // field, label or menu item index; the ControlId of an option button
};

// The one place that looks inside the model's Change.
PageChange pageChange(const Change &change);

} // namespace liftcalc::web
