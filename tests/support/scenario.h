// SPDX-License-Identifier: MIT
// A scenario file read as a person's session at the window, for every test that plays one:
//
//   # comment                   left out, as are blank lines
//   locale de_DE                the regional settings, before anything else (default en_US)
//   type 0 10                   any line of the replay protocol: an action, or dump
//   expect text 3 254.648       an expectation about what the window shows at this point
#pragma once

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace liftcalc::testing {

struct ScenarioLine {
    int number; // in the file, for reports
    // The line without its indentation and line ending; for an expectation, what follows
    // "expect ".
    std::string text;
    bool expectation;
};

struct Scenario {
    std::string locale = "en_US";
    int localeLine = 0;
    std::vector<ScenarioLine> lines;
    // Lines that break the file's own rules, by number: a locale after the session began.
    std::vector<std::pair<int, std::string>> problems;
};

// The scenario in the file; nothing when the file cannot be read.
inline std::optional<Scenario> readScenario(const std::filesystem::path &file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    Scenario scenario;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        std::string_view rest = line;
        if (rest.ends_with('\r'))
            rest.remove_suffix(1);
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
            rest.remove_prefix(1);
        if (rest.empty() || rest.front() == '#')
            continue;
        if (rest.starts_with("locale ")) {
            if (!scenario.lines.empty()) {
                scenario.problems.emplace_back(number, "locale must come before the first action");
                continue;
            }
            rest.remove_prefix(7);
            rest.remove_prefix(std::min(rest.find_first_not_of(' '), rest.size()));
            rest = rest.substr(0, rest.find(' '));
            scenario.locale = rest;
            scenario.localeLine = number;
        } else if (rest.starts_with("expect ")) {
            scenario.lines.push_back({number, std::string(rest.substr(7)), true});
        } else {
            scenario.lines.push_back({number, std::string(rest), false});
        }
    }
    return scenario;
}

} // namespace liftcalc::testing
