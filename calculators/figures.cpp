// SPDX-License-Identifier: MIT
// The calculations as a person makes them in the windows: the inputs typed into the chosen unit
// system's fields, Calculate pressed, and every figure read off the fields afterwards.
#include "calculators/figures.h"

#include "calculators/utf8_text.h"

#include <algorithm>

namespace liftcalc {
namespace {

// The column of a check's field: the rows before it take one column each, or two with unit
// systems.
std::size_t columnOf(const Check &check, CheckField field) {
    std::size_t column = field.metric ? 1 : 0;
    for (int row = 0; row < field.row; ++row)
        column += check.row(row).units->bothSystems() ? 2 : 1;
    return column;
}

} // namespace

CalculatorFigures figuresOf(const Calculator &calculator, UnitSystem units,
                            const std::map<std::string, std::string> &inputs,
                            const NumberFormat &format) {
    // The window as a person leaves it after choosing the calculator and typing the inputs: the
    // inputs as a text box holds them, every other field empty.
    CalculatorFigures figures;
    for (const Input &input : calculator.inputs)
        figures.typed[input.quantity->field(units)] =
            validUtf8(inputs.at(std::string(input.quantity->option)));
    auto texts = figures.typed;
    FieldTexts typed;
    std::copy(figures.typed.begin(), figures.typed.end(), typed.begin());

    const CalculationResult calculation = calculator.calculate(units, typed, format);
    figures.refusal = calculation.refusal;
    if (!calculation.refusal)
        for (const Effect &effect : calculation.effects)
            if (const auto *write = std::get_if<FieldWrite>(&effect))
                texts[write->field] = write->text;

    const auto &total = calculation.total;
    for (const Column &c : columnsOf(calculator))
        if (c.field)
            figures.texts.push_back(texts[*c.field]);
        else if (total && !calculation.refusal)
            figures.texts.push_back(
                plainText(c.unit == "GPF" ? total->gallonsPerFoot : total->litresPerMetre, format));
        else
            figures.texts.emplace_back();
    return figures;
}

CheckFigures figuresOf(const Check &check, UnitSystem units,
                       const std::map<std::string, std::string> &inputs,
                       const NumberFormat &format) {
    CheckFigures figures;
    figures.texts.resize(columnsOf(check).size());
    for (std::size_t i = 0; i < check.inputs.size(); ++i) {
        const CheckRow &input = check.inputs[i];
        figures.typed.push_back(validUtf8(inputs.at(std::string(input.option))));
        const CheckField field{static_cast<int>(i),
                               units == UnitSystem::metric && input.units->bothSystems()};
        figures.texts[columnOf(check, field)] = figures.typed.back();
    }
    CheckOutcome outcome = evaluate(check, units, figures.typed, format);
    if (auto *refusals = std::get_if<CheckRefusals>(&outcome))
        figures.refusals = std::move(*refusals);
    else
        for (const CheckWrite &write : std::get<std::vector<CheckWrite>>(outcome))
            figures.texts[columnOf(check, write.field)] = write.text;
    return figures;
}

} // namespace liftcalc
