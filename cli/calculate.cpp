// SPDX-License-Identifier: MIT
#include "cli/calculate.h"

#include "window/controls.h"

#include <algorithm>
#include <cctype>

namespace liftcalc::cli {
namespace {

std::string lowerCase(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

Figure figureOf(const FieldTexts &texts, const Quantity &quantity, int field) {
    const FieldDesign &design = kFields[field];
    std::string column(quantity.key);
    if (!design.unit.empty())
        column += "_" + lowerCase(design.unit);
    return {column, std::string(design.quantity), std::string(design.unit), texts[field]};
}

// The window's message, and the field its focus goes to.
std::string refusalOf(const UnitColumn &column, const FieldTexts &texts,
                      const NumberFormat &format) {
    std::string text = std::string(kInvalidNumberPrompt) + "\n";
    if (const auto field = firstNotAboveZero(column.inputs, texts, format)) {
        const FieldDesign &design = kFields[*field];
        text += "Check the field " + std::string(design.quantity) +
                (design.unit.empty() ? "" : " (" + std::string(design.unit) + ")") + ".";
    } else {
        text += "No input is 0 or less; one of them is not a number as a whole.";
    }
    return text;
}

} // namespace

Outcome calculate(const CalculatorCommand &command, bool imperial,
                  const std::map<std::string, std::string> &inputs, const NumberFormat &format) {
    // The window as a person leaves it after choosing the calculator and typing the inputs: the
    // inputs as a text box holds them, every other field empty.
    FieldTexts texts;
    for (std::string_view option : command.inputs())
        texts[quantityNamed(option)->field(imperial)] = validUtf8(inputs.at(std::string(option)));

    const UnitColumn &column =
        command.calculator->column(imperial ? UnitSystem::imperial : UnitSystem::metric);
    const liftcalc::Outcome calculation = column.calculate(texts, format);
    for (const Effect &effect : calculation.effects)
        if (const auto *write = std::get_if<FieldWrite>(&effect))
            texts[write->field] = write->text;
    if (calculation.refused)
        return {{}, refusalOf(column, texts, format)};

    Outcome outcome;
    for (const Quantity *quantity : command.shown()) {
        outcome.figures.push_back(figureOf(texts, *quantity, quantity->imperialField));
        if (quantity->metricField)
            outcome.figures.push_back(figureOf(texts, *quantity, *quantity->metricField));
    }
    if (const auto &total = calculation.total) {
        outcome.figures.push_back(
            {"total_gpf", "Total Displacement", "GPF", plainText(total->gallonsPerFoot, format)});
        outcome.figures.push_back(
            {"total_lpm", "Total Displacement", "LPM", plainText(total->litresPerMetre, format)});
    }
    return outcome;
}

} // namespace liftcalc::cli
