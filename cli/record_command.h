// SPDX-License-Identifier: MIT
// The test record on the command line: `liftcalc record COMMAND FILE` shows, exports or checks
// a record, and `--record FILE` on a single calculation adds its entry.
#pragma once

#include "calculators/numeric.h"
#include "cli/calculate.h"
#include "cli/pdf_request.h"
#include "cli/request.h"

#include <iosfwd>
#include <span>
#include <string>
#include <string_view>

namespace liftcalc::cli {

inline constexpr std::string_view kRecordCommand = "record";

// `liftcalc record ...`, the arguments after "record". Exit status: 0; 1 when a check finds
// figures that differ or the PDF cannot be written; 2 for a mistake in the command or a file
// that cannot be read. `record pdf` writes through PDF.
int runRecord(std::span<const std::string> args, std::ostream &out, std::ostream &err,
              const NumberFormat &userFormat, const PdfWriter &pdf = {});

// Adds the calculation's entry to the request's record file, making the file when there is
// none, and saves it. Returns 0, or 1 with the reason on ERR when the file cannot be read or
// saved (it is then left as it was).
int addToRecord(const Request &request, const FigureRow &figures, const NumberFormat &format,
                std::ostream &err);

// The record commands and --record, for the program's help.
std::string recordHelp();

} // namespace liftcalc::cli
