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

// How values are given: the unit system, a range, the regional format; and the exit status.
std::string valuesHelp();

// One check: its options with units and rules, its answers, its formulas in both unit systems,
// and the output forms.
std::string checkHelp(const Check &check);

constexpr std::size_t kLineWidth = 80;

// The words on lines of at most WIDTH characters, each line after the first indented by INDENT
// blanks; a text's words are what its blanks part.
std::string wrapped(std::span<const std::string> words, std::size_t width = kLineWidth,
                    std::size_t indent = 0);
std::string wrapped(std::string_view text, std::size_t width = kLineWidth, std::size_t indent = 0);

// The output forms of a check, with an example.
std::string checkOutputHelp();

// The name and the blanks that start the next column two after the longest of the names, so
// that the help's columns line up whatever the names' lengths.
std::string paddedToLongest(std::string_view name, std::span<const std::string_view> names);

} // namespace liftcalc::cli
