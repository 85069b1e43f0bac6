// SPDX-License-Identifier: MIT
// `liftcalc record pdf`: what it asks of the program, which draws the PDF with the window
// module's Qt GUI, the command line itself staying on Qt Core.
#pragma once

#include "calculators/numeric.h"

#include <functional>
#include <optional>
#include <string>

namespace liftcalc::cli {

struct PdfRequest {
    std::string file;   // the record
    std::string output; // the PDF to write
    std::string paper;  // "a4", "letter", or empty for that of the regional settings
    std::string locale; // the locale named with --locale; empty for the system's
    NumberFormat format;
};

// Writes the PDF; nothing when it is written, or else the reason.
using PdfWriter = std::function<std::optional<std::string>(const PdfRequest &)>;

} // namespace liftcalc::cli
