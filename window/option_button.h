// SPDX-License-Identifier: MIT
// An option button as a window's model holds it: chosen or not, and its caption's colour and
// weight, which every front end shows as they are.
#pragma once

#include "window/colours.h"

namespace liftcalc {

// The property names are the calculator window's published ones.
struct OptionButton {
    bool Value = false;
    Colour ForeColor = colours::buttonText;
    bool FontBold = false;
};

} // namespace liftcalc
