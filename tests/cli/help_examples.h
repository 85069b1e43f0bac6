// SPDX-License-Identifier: MIT
// The examples a help text shows: each "  $ liftcalc ARGS" line with the lines under it, so
// that a test can run the arguments and compare what the program prints.
#pragma once

#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace liftcalc::cli {

// Each example's arguments and its output as shown, joined without line breaks.
inline std::vector<std::pair<std::vector<std::string>, std::string>>
helpExamples(const std::string &help) {
    std::istringstream lines(help);
    std::string line;
    std::vector<std::pair<std::vector<std::string>, std::string>> examples;
    while (std::getline(lines, line))
        if (line.starts_with("  $ liftcalc ")) {
            std::istringstream words(line.substr(13));
            examples.push_back({{std::istream_iterator<std::string>(words), {}}, ""});
        } else if (!examples.empty() && line.starts_with("  ")) {
            examples.back().second += line.substr(2);
        }
    return examples;
}

// What the program printed without its line breaks, as an example shows it.
inline std::string flattened(std::string out) {
    std::erase(out, '\n'), std::erase(out, '\r');
    return out;
}

} // namespace liftcalc::cli
