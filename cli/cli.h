// SPDX-License-Identifier: MIT
// `liftcalc CALCULATOR [options]` and `liftcalc CHECK [options]`: the six calculators and the
// field checks without their windows, giving exactly the figures the windows give.
#pragma once

#include "calculators/numeric.h"
#include "cli/pdf_request.h"

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace liftcalc::cli {

// True when the word names a calculator or a check, so that the program runs on the command
// line.
bool isCommandName(std::string_view word);

// Runs one command: args start with the calculator's or the check's name, or "record". Returns
// the exit status: 0, 1 when a calculation was refused, 2 for a usage error. PDF writes a
// record's PDF; without it `record pdf` says that this program cannot.
int run(std::span<const std::string> args, std::ostream &out, std::ostream &err,
        const NumberFormat &userFormat, const PdfWriter &pdf = {});

// The program's own help: the window, the calculators with their inputs and units, the checks.
std::string programHelp();

} // namespace liftcalc::cli
