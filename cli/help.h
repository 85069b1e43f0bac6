// SPDX-License-Identifier: MIT
// The command line's help texts.
#pragma once

#include "cli/commands.h"

#include <span>
#include <string>
#include <string_view>

namespace liftcalc::cli {

// One calculator: its options, inputs and units, and the output forms.
std::string calculatorHelp(const Calculator &calculator);

// The output forms, with an example of each.
std::string outputHelp();

// The name and the blanks that start the next column two after the longest of the names, so
// that the help's columns line up whatever the names' lengths.
std::string paddedToLongest(std::string_view name, std::span<const std::string_view> names);

} // namespace liftcalc::cli
