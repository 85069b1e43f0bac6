// SPDX-License-Identifier: MIT
// The command line's help texts.
#pragma once

#include "cli/commands.h"

#include <string>

namespace liftcalc::cli {

// One calculator: its options, inputs and units, and the output forms.
std::string calculatorHelp(const Calculator &calculator);

// The output forms, with an example of each.
std::string outputHelp();

} // namespace liftcalc::cli
