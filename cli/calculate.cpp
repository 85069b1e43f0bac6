// SPDX-License-Identifier: MIT
#include "cli/calculate.h"

#include "calculators/utf8_text.h"
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

Column columnOf(const Quantity &quantity, int field) {
    const FieldDesign &design = kFields[field];
    std::string key(quantity.key);
    if (!design.unit.empty())
        key += "_" + lowerCase(design.unit);
    return {key, design.quantity, design.unit, field};
}

std::vector<Column> buildColumns(const CalculatorCommand &command) {
    std::vector<Column> columns;
    for (const Quantity *quantity : command.shown()) {
        columns.push_back(columnOf(*quantity, quantity->imperialField));
        if (quantity->metricField)
            columns.push_back(columnOf(*quantity, *quantity->metricField));
    }
    if (command.givesTotal()) {
        columns.push_back({"total_gpf", "Total Displacement", "GPF", std::nullopt});
        columns.push_back({"total_lpm", "Total Displacement", "LPM", std::nullopt});
    }
    return columns;
}

} // namespace

std::span<const Column> columnsOf(const CalculatorCommand &command) {
    static const auto all = [] {
        std::array<std::vector<Column>, kCommands.size()> columns;
        for (std::size_t i = 0; i < kCommands.size(); ++i)
            columns[i] = buildColumns(kCommands[i]);
        return columns;
    }();
    return all.at(static_cast<std::size_t>(&command - kCommands.data()));
}

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
    Outcome outcome{columnsOf(command), {}, {}};
    if (calculation.refused)
        outcome.refusal = refusalReasons(command, imperial, texts, format);
    else
        for (const Effect &effect : calculation.effects)
            if (const auto *write = std::get_if<FieldWrite>(&effect))
                texts[write->field] = write->text;

    const auto &total = calculation.total;
    for (const Column &c : outcome.columns)
        if (c.field)
            outcome.texts.push_back(texts[*c.field]);
        else if (total && !calculation.refused)
            outcome.texts.push_back(
                plainText(c.unit == "GPF" ? total->gallonsPerFoot : total->litresPerMetre, format));
        else
            outcome.texts.emplace_back();
    return outcome;
}

} // namespace liftcalc::cli
