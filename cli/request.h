// SPDX-License-Identifier: MIT
// The command line taken apart: which calculator or check, which units, which inputs, which
// output.
#pragma once

#include "cli/commands.h"

#include <map>
#include <optional>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

namespace liftcalc::cli {

enum class OutputForm { Table, Json, Csv };

struct Request {
    const Calculator *command = nullptr; // nothing for a check
    const Check *check = nullptr;        // nothing for a calculator
    bool imperial = true;
    std::map<std::string, std::string> inputs; // option name to the text typed
    OutputForm output = OutputForm::Table;
    std::optional<std::string> locale;
    std::optional<std::string> record; // the test record the calculation is added to
    bool help = false;

    // The command's name ("pressure", "oil") and title ("Static pressure", "Oil for a travel").
    std::string_view name() const { return check ? check->command : command->command; }
    std::string_view title() const { return check ? check->title : command->title; }
};

struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Text a person gave, as a message quotes it: on one line and at most a few dozen characters.
std::string shownText(std::string_view text);

// Names in the way a person lists them: "--a", "--a and --b", "--a, --b and --c".
std::string listed(const std::vector<std::string> &names);

// The options of the calculator's inputs, "--diameter", in the order of its row.
std::vector<std::string> inputOptions(const Calculator &calculator);
// The options of the check's inputs, "--travel", in the order of its rows.
std::vector<std::string> inputOptions(const Check &check);

// Throws UsageError for an unknown calculator or check, an unknown option, an option without its
// value, an option given twice or beside its opposite (--json --csv, --metric --imperial), and
// names every missing input at once.
Request parseRequest(std::span<const std::string> args);

} // namespace liftcalc::cli
