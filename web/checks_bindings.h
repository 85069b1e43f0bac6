// SPDX-License-Identifier: MIT
// What the page's script sees of the field checks window, as functions of the page binding.
#pragma once

#include "web/page_window.h"

#include <emscripten/bind.h>

namespace liftcalc::web {

void bindChecks(const emscripten::class_<PageWindow> &page);

} // namespace liftcalc::web
