// SPDX-License-Identifier: MIT
#include "record/recalculation.h"

#include "calculators/figures.h"
#include "json/json_writer.h"

#include <algorithm>
#include <map>

namespace liftcalc::record {

std::optional<std::vector<Figure>> newFigures(const Entry &entry) {
    // Each input typed again as the file's number: English settings read it back exactly.
    const NumberFormat format = NumberFormat::english();
    const Calculated &calculated = entry.calculated;
    const auto inputs = calculated.check ? inputColumns(*calculated.check, entry.units)
                                         : inputColumns(*calculated.calculator, entry.units);
    std::map<std::string, std::string> typed;
    for (const InputColumn &input : inputs) {
        const auto figure = std::find_if(entry.figures.begin(), entry.figures.end(),
                                         [&](const Figure &f) { return f.key == input.key; });
        if (figure == entry.figures.end())
            return std::nullopt;
        typed[std::string(input.option)] = json::numberText(figure->value);
    }
    Entry again;
    if (calculated.check) {
        const CheckFigures figures = figuresOf(*calculated.check, entry.units, typed, format);
        if (!figures.refusals.empty())
            return std::nullopt;
        again = entryOf(*calculated.check, entry.units, figures.texts, format, {});
    } else {
        const CalculatorFigures figures =
            figuresOf(*calculated.calculator, entry.units, typed, format);
        if (figures.refusal)
            return std::nullopt;
        again = entryOf(*calculated.calculator, entry.units, figures.texts, format, {});
    }
    return std::move(again.figures);
}

bool agreesWithNewCalculation(const Entry &entry) {
    const auto figures = newFigures(entry);
    return figures && *figures == entry.figures;
}

} // namespace liftcalc::record
