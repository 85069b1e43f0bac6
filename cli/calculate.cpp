// SPDX-License-Identifier: MIT
#include "cli/calculate.h"

#include "calculators/utf8_text.h"
#include "cli/refusal.h"

#include <algorithm>
#include <cctype>

namespace liftcalc::cli {

std::string columnKey(std::string_view option, std::string_view unit) {
    std::string key;
    for (char c : std::string(option) + (unit.empty() ? "" : "_") + std::string(unit))
        if (c == '%')
            key += "pct";
        else
            key += c == '-' || c == '/'
                       ? '_'
                       : static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return key;
}

namespace {

Column columnOf(const Quantity &quantity, int field) {
    return {columnKey(quantity.option, unitOf(field)), quantity.name, unitOf(field), field};
}

bool contains(std::span<const int> fields, int field) {
    return std::find(fields.begin(), fields.end(), field) != fields.end();
}

// Every quantity the calculator shows, the number of plungers included, in the order of the
// window's rows, imperial before metric; the flow rate and displacement calculators add the
// total displacement of all plungers.
std::vector<Column> buildColumns(const Calculator &calculator) {
    std::vector<Column> columns;
    for (const Quantity &quantity : kQuantities) {
        if (!quantity.isCount() && !contains(calculator.shownFields, quantity.imperialField))
            continue;
        columns.push_back(columnOf(quantity, quantity.imperialField));
        if (quantity.metricField)
            columns.push_back(columnOf(quantity, *quantity.metricField));
    }
    if (contains(calculator.shownFields, fields::displacementGpf)) {
        columns.push_back({"total_gpf", "Total Displacement", "GPF", std::nullopt});
        columns.push_back({"total_lpm", "Total Displacement", "LPM", std::nullopt});
    }
    return columns;
}

} // namespace

std::span<const Column> columnsOf(const Calculator &calculator) {
    static const auto all = [] {
        std::array<std::vector<Column>, calculators::kCount> columns;
        for (std::size_t i = 0; i < calculators::kCount; ++i)
            columns[i] = buildColumns(*calculators::kAll[i]);
        return columns;
    }();
    const auto at = std::find(calculators::kAll.begin(), calculators::kAll.end(), &calculator);
    return all.at(static_cast<std::size_t>(at - calculators::kAll.begin()));
}

FigureRow calculate(const Calculator &calculator, bool imperial,
                    const std::map<std::string, std::string> &inputs, const NumberFormat &format) {
    // The window as a person leaves it after choosing the calculator and typing the inputs: the
    // inputs as a text box holds them, every other field empty.
    std::array<std::string, fields::count> texts;
    for (const Input &input : calculator.inputs)
        texts[input.quantity->field(unitsOf(imperial))] =
            validUtf8(inputs.at(std::string(input.quantity->option)));
    FieldTexts typed;
    std::copy(texts.begin(), texts.end(), typed.begin());

    const CalculationResult calculation = calculator.calculate(unitsOf(imperial), typed, format);
    FigureRow figures{columnsOf(calculator), {}, {}};
    if (calculation.refusal)
        figures.refusal = refusalReasons(calculator, *calculation.refusal, typed, format);
    else
        for (const Effect &effect : calculation.effects)
            if (const auto *write = std::get_if<FieldWrite>(&effect))
                texts[write->field] = write->text;

    const auto &total = calculation.total;
    for (const Column &c : figures.columns)
        if (c.field)
            figures.texts.push_back(texts[*c.field]);
        else if (total && !calculation.refusal)
            figures.texts.push_back(
                plainText(c.unit == "GPF" ? total->gallonsPerFoot : total->litresPerMetre, format));
        else
            figures.texts.emplace_back();
    return figures;
}

} // namespace liftcalc::cli
