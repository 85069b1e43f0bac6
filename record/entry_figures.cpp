// SPDX-License-Identifier: MIT
#include "record/entry_figures.h"

#include "calculators/figures.h"

#include <algorithm>

namespace liftcalc::record {

std::vector<ShownFigure> shownFigures(const Entry &entry, const NumberFormat &format) {
    const Calculated &c = entry.calculated;
    const auto columns = c.check ? columnsOf(*c.check) : columnsOf(*c.calculator);
    const auto inputs =
        c.check ? inputColumns(*c.check, entry.units) : inputColumns(*c.calculator, entry.units);
    std::vector<ShownFigure> shown;
    for (const Figure &figure : entry.figures) {
        ShownFigure f{figure.key, figure.key, {}, {}, false};
        const auto column = std::find_if(columns.begin(), columns.end(),
                                         [&](const Column &col) { return col.key == figure.key; });
        if (column != columns.end())
            f.caption = column->label, f.unit = column->unit;
        f.input = std::any_of(inputs.begin(), inputs.end(),
                              [&](const InputColumn &in) { return in.key == figure.key; });
        f.text = f.input ? plainText(figure.value, format) : answerText(figure.value, format);
        shown.push_back(std::move(f));
    }
    return shown;
}

} // namespace liftcalc::record
