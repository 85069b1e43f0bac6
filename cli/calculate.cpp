// SPDX-License-Identifier: MIT
#include "cli/calculate.h"

#include "cli/refusal.h"
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

Figure figureOf(const std::string &text, const Quantity &quantity, int field,
                const NumberFormat &format) {
    const FieldDesign &design = kFields[field];
    std::string column(quantity.key);
    if (!design.unit.empty())
        column += "_" + lowerCase(design.unit);
    return {column, std::string(design.quantity), std::string(design.unit), text,
            strictValue(text, format)};
}

std::vector<Figure> figuresOf(const CalculatorCommand &command, const FieldTexts &texts,
                              const NumberFormat &format) {
    std::vector<Figure> figures;
    for (const Quantity *quantity : command.shown()) {
        figures.push_back(
            figureOf(texts[quantity->imperialField], *quantity, quantity->imperialField, format));
        if (quantity->metricField)
            figures.push_back(
                figureOf(texts[*quantity->metricField], *quantity, *quantity->metricField, format));
    }
    return figures;
}

void addTotal(std::vector<Figure> &figures, const std::optional<TotalDisplacement> &total,
              const NumberFormat &format) {
    auto figure = [&](const char *column, const char *unit, std::optional<double> value) {
        const std::string text = value ? plainText(*value, format) : "";
        figures.push_back({column, "Total Displacement", unit, text, strictValue(text, format)});
    };
    figure("total_gpf", "GPF", total ? std::optional(total->gallonsPerFoot) : std::nullopt);
    figure("total_lpm", "LPM", total ? std::optional(total->litresPerMetre) : std::nullopt);
}

} // namespace

Outcome calculate(const CalculatorCommand &command, bool imperial,
                  const std::map<std::string, std::string> &inputs, const NumberFormat &format) {
    // The window as a person leaves it after choosing the calculator and typing the inputs: the
    // inputs as a text box holds them, every other field empty.
    FieldTexts typed;
    for (std::string_view option : command.inputs())
        typed[quantityNamed(option)->field(imperial)] = validUtf8(inputs.at(std::string(option)));

    const UnitColumn &column =
        command.calculator->column(imperial ? UnitSystem::imperial : UnitSystem::metric);
    const liftcalc::Outcome calculation = column.calculate(typed, format);
    Outcome outcome;
    if (calculation.refused) {
        outcome.figures = figuresOf(command, typed, format);
        outcome.refusal = refusalReasons(command, imperial, typed, format);
    } else {
        FieldTexts texts = typed;
        for (const Effect &effect : calculation.effects)
            if (const auto *write = std::get_if<FieldWrite>(&effect))
                texts[write->field] = write->text;
        outcome.figures = figuresOf(command, texts, format);
    }
    if (command.givesTotal())
        addTotal(outcome.figures, calculation.refused ? std::nullopt : calculation.total, format);
    return outcome;
}

} // namespace liftcalc::cli
