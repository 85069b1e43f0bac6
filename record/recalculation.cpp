// SPDX-License-Identifier: MIT
#include "record/recalculation.h"

#include "calculators/figures.h"
#include "json/json_writer.h"

#include <algorithm>
#include <map>

namespace liftcalc::record {
namespace {

// A figure as a person could have typed it in the regional format: every digit of its
// shortest exact form, no grouping.
std::string typedText(double value, const NumberFormat &format) {
    std::string text;
    for (const char c : json::numberText(value))
        text += c == '.' ? format.decimal : c == '-' ? format.minus : std::string(1, c);
    return text;
}

} // namespace

std::optional<std::vector<std::string>> newTexts(const Entry &entry, const NumberFormat &format) {
    const Calculated &calculated = entry.calculated;
    const auto inputs = calculated.check ? inputColumns(*calculated.check, entry.units)
                                         : inputColumns(*calculated.calculator, entry.units);
    // Each input typed again, reading back as exactly its value.
    std::map<std::string, std::string> typed;
    for (const InputColumn &input : inputs) {
        const auto figure =
            std::find_if(entry.figures.begin(), entry.figures.end(),
                         [&](const Figure &f) { return f.key == input.key; });
        if (figure == entry.figures.end())
            return std::nullopt;
        typed[std::string(input.option)] = typedText(figure->value, format);
        if (strictValue(typed[std::string(input.option)], format) != figure->value)
            return std::nullopt;
    }
    if (calculated.check) {
        CheckFigures figures = figuresOf(*calculated.check, entry.units, typed, format);
        return figures.refusals.empty() ? std::optional(std::move(figures.texts)) : std::nullopt;
    }
    CalculatorFigures figures = figuresOf(*calculated.calculator, entry.units, typed, format);
    return figures.refusal ? std::nullopt : std::optional(std::move(figures.texts));
}

std::optional<std::vector<Figure>> newFigures(const Entry &entry) {
    const NumberFormat format = NumberFormat::english();
    const auto texts = newTexts(entry, format);
    if (!texts)
        return std::nullopt;
    const Calculated &c = entry.calculated;
    return (c.check ? entryOf(*c.check, entry.units, *texts, format, {})
                    : entryOf(*c.calculator, entry.units, *texts, format, {}))
        .figures;
}

bool agreesWithNewCalculation(const Entry &entry) {
    const auto figures = newFigures(entry);
    return figures && *figures == entry.figures;
}

} // namespace liftcalc::record
