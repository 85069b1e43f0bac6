// SPDX-License-Identifier: MIT
// The worked example the tests start from: the static pressure under one 10-inch plunger
// carrying 20,000 pounds, typed into the imperial column of the window as it opens, and what
// Calculate shows for it with English number settings.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace liftcalc::testing {

struct FieldText {
    int field;
    std::string_view text;
};

// Diameter, number of plungers and load, in the order a person types them.
inline constexpr std::array<FieldText, 3> kWorkedInputs{{{0, "10"}, {1, "1"}, {2, "20000"}}};

// The answer in both units and the metric equivalents of the inputs.
inline constexpr std::array<FieldText, 4> kWorkedAnswers{
    {{3, "254.648"}, {8, "17.558"}, {6, "254.000"}, {7, "9,071.800"}}};

// What the example shows in a field after Calculate; empty for a field it leaves alone.
constexpr std::string_view workedAnswer(int field) {
    for (const auto &[answer, text] : kWorkedAnswers)
        if (answer == field)
            return text;
    return {};
}

// The example as liftcalc-replay lines, calculated with Enter.
inline std::string workedExampleScript() {
    std::string script;
    for (const auto &[field, text] : kWorkedInputs)
        script += "type " + std::to_string(field) + " " + std::string(text) + "\n";
    return script + "key Enter\n";
}

} // namespace liftcalc::testing
