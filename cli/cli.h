// SPDX-License-Identifier: MIT
// `liftcalc CALCULATOR [options]`: the six calculators without the window, giving exactly the
// figures the window gives.
#pragma once

#include "calculators/numeric.h"

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace liftcalc::cli {

// True when the word names a calculator, so that the program runs on the command line.
bool isCalculatorName(std::string_view word);

// Runs one command: args start with the calculator's name. Returns the exit status: 0, 1 when
// a calculation was refused, 2 for a usage error.
int run(std::span<const std::string> args, std::ostream &out, std::ostream &err,
        const NumberFormat &userFormat);

// The program's own help: the window, the calculators, their inputs and units.
std::string programHelp();

} // namespace liftcalc::cli
