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

// Text a person gave, as a message quotes it: on one line and at most a few dozen characters.
std::string shownText(std::string_view text);

// Throws UsageError for an unknown calculator or option, an option without its value, an
// option given twice or beside its opposite (--json --csv, --metric --imperial), and names every
// missing input at once.
Request parseRequest(std::span<const std::string> args);

} // namespace liftcalc::cli
