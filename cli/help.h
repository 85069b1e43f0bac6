// SPDX-License-Identifier: MIT
// The command line's help texts.
#pragma once

#include "cli/quantities.h"

#include <string>

namespace liftcalc::cli {

// One calculator: its options, inputs and units, and the output forms.
std::string calculatorHelp(const CalculatorCommand &command);

// The output forms, with an example of each.
std::string outputHelp();

} // namespace liftcalc::cli
