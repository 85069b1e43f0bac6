// SPDX-License-Identifier: MIT
// A field check on the command line: the texts its window would show after the inputs are
// typed and Calculate pressed, one column a figure.
#include "cli/calculate.h"

#include "calculators/utf8_text.h"
#include "cli/refusal.h"

#include <algorithm>

namespace liftcalc::cli {
namespace {

std::vector<Column> buildColumns(const Check &check) {
    std::vector<Column> columns;
    for (int row = 0; row < check.rowCount(); ++row) {
        const CheckRow &r = check.row(row);
        columns.push_back({columnKey(r.option, r.units->imperial), r.name, r.units->imperial, {}});
        if (r.units->bothSystems())
            columns.push_back({columnKey(r.option, r.units->metric), r.name, r.units->metric, {}});
    }
    return columns;
}

// The column of a field: the rows before it take one column each, or two with unit systems.
std::size_t columnOf(const Check &check, CheckField field) {
    std::size_t column = field.metric ? 1 : 0;
    for (int row = 0; row < field.row; ++row)
        column += check.row(row).units->bothSystems() ? 2 : 1;
    return column;
}

} // namespace

std::span<const Column> columnsOf(const Check &check) {
    static const auto all = [] {
        std::array<std::vector<Column>, checks::kAll.size()> columns;
        for (std::size_t i = 0; i < columns.size(); ++i)
            columns[i] = buildColumns(*checks::kAll[i]);
        return columns;
    }();
    const auto at = std::find(checks::kAll.begin(), checks::kAll.end(), &check);
    return all.at(static_cast<std::size_t>(at - checks::kAll.begin()));
}

FigureRow calculate(const Check &check, bool imperial,
                    const std::map<std::string, std::string> &inputs, const NumberFormat &format) {
    const UnitSystem units = unitsOf(imperial);
    FigureRow figures{columnsOf(check), {}, {}};
    figures.texts.resize(figures.columns.size());
    // The inputs as typed into the chosen system's fields; every input's own rule is tested, so
    // that one refusal names all of them.
    std::vector<std::string> typed;
    std::vector<CheckRefusal> refusals;
    for (std::size_t i = 0; i < check.inputs.size(); ++i) {
        const CheckRow &input = check.inputs[i];
        typed.push_back(validUtf8(inputs.at(std::string(input.option))));
        const CheckField field{static_cast<int>(i), !imperial && input.units->bothSystems()};
        figures.texts[columnOf(check, field)] = typed.back();
        if (const auto fault = brokenRule(input, typed.back(), format))
            refusals.push_back({static_cast<int>(i), *fault});
    }
    if (refusals.empty()) {
        const CheckOutcome outcome = evaluate(check, units, typed, format);
        if (const auto *refusal = std::get_if<CheckRefusal>(&outcome))
            refusals.push_back(*refusal);
        else
            for (const CheckWrite &write : std::get<std::vector<CheckWrite>>(outcome))
                figures.texts[columnOf(check, write.field)] = write.text;
    }
    figures.refusal = refusalReasons(check, refusals, typed, format);
    return figures;
}

} // namespace liftcalc::cli
