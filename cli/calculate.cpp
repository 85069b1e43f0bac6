// SPDX-License-Identifier: MIT
#include "cli/calculate.h"

#include "cli/refusal.h"

#include <algorithm>

namespace liftcalc::cli {

FigureRow calculate(const Calculator &calculator, bool imperial,
                    const std::map<std::string, std::string> &inputs, const NumberFormat &format) {
    CalculatorFigures figures = figuresOf(calculator, unitsOf(imperial), inputs, format);
    FigureRow row{columnsOf(calculator), std::move(figures.texts), {}};
    if (figures.refusal) {
        FieldTexts typed;
        std::copy(figures.typed.begin(), figures.typed.end(), typed.begin());
        row.refusal = refusalReasons(calculator, *figures.refusal, typed, format);
    }
    return row;
}

FigureRow calculate(const Check &check, bool imperial,
                    const std::map<std::string, std::string> &inputs, const NumberFormat &format) {
    const UnitSystem units = unitsOf(imperial);
    CheckFigures figures = figuresOf(check, units, inputs, format);
    FigureRow row{columnsOf(check), std::move(figures.texts), {}};
    row.refusal = refusalReasons(check, units, figures.refusals, figures.typed, format);
    return row;
}

} // namespace liftcalc::cli
