// SPDX-License-Identifier: MIT
// A model's text box and option button as the page's script reads them, the same for every
// window.
#pragma once

#include "window/option_button.h"
#include "window/text_box.h"

#include <emscripten/val.h>

namespace liftcalc::web {

emscripten::val fieldValue(const Field &field);
emscripten::val optionValue(const OptionButton &option);

} // namespace liftcalc::web
