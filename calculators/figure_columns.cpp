// SPDX-License-Identifier: MIT
#include "calculators/figures.h"

#include <algorithm>
#include <cctype>

namespace liftcalc {

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

std::vector<InputColumn> inputColumns(const Calculator &calculator, UnitSystem units) {
    std::vector<InputColumn> columns;
    for (std::size_t i = 0; i < calculator.inputs.size(); ++i) {
        const int field = calculator.inputField(i, units);
        columns.push_back(
            {quantityOf(field).option, columnKey(quantityOf(field).option, unitOf(field))});
    }
    return columns;
}

std::vector<InputColumn> inputColumns(const Check &check, UnitSystem units) {
    std::vector<InputColumn> columns;
    for (const CheckRow &input : check.inputs) {
        const Units &u = *input.units;
        const bool metric = units == UnitSystem::metric && u.bothSystems();
        columns.push_back({input.option, columnKey(input.option, metric ? u.metric : u.imperial)});
    }
    return columns;
}

} // namespace liftcalc
