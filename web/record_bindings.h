// SPDX-License-Identifier: MIT
// The test record window for the page's script: its form, list and commands to build from, its
// state to mirror, the person actions, and what the page does for it in the browser (keeping,
// files, questions, printing).
#pragma once

#include "web/page_window.h"

#include <emscripten/bind.h>

namespace liftcalc::web {

void bindRecord(const emscripten::class_<PageWindow> &page);

} // namespace liftcalc::web
