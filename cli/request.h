// SPDX-License-Identifier: MIT
// The command line taken apart: which calculator, which units, which inputs, which output.
#pragma once

#include "cli/quantities.h"

#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>

namespace liftcalc::cli {

enum class OutputForm { Table, Json, Csv };

struct Request {
    const CalculatorCommand *command = nullptr;
    bool imperial = true;
    std::map<std::string, std::string> inputs; // option name to the text typed
    OutputForm output = OutputForm::Table;
    std::optional<std::string> locale;
    bool help = false;
};

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Throws UsageError for an unknown calculator or option, a missing value or a missing input.
Request parseRequest(std::span<const std::string> args);

// A sweep FROM:TO:STEP: the values in order, as plain number text. Throws UsageError for a
// malformed range or one of more than maxRows values.
std::vector<std::string> sweepValues(std::string_view range, const NumberFormat &format,
                                     std::size_t maxRows);

} // namespace liftcalc::cli
