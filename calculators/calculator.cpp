// SPDX-License-Identifier: MIT
#include "calculators/calculator.h"

namespace liftcalc {

CalculationResult Calculator::calculate(UnitSystem units, const FieldTexts &typed,
                                        const NumberFormat &format) const {
    CalculationResult result;
    bool refused = false;
    {
        // What the calculation wrote goes before the reasons are read.
        Calculation calculation(typed, format, inputs, units);
        column(units).calculate(calculation);
        refused = calculation.refused();
        result = calculation.take();
    }
    if (!refused)
        return result;
    // The reasons are read from the figures as typed, each by its input's rule.
    Refusal refusal;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const int field = inputField(i, units);
        if (const auto fault = faultOf(inputs[i].rule, typed.at(field), format))
            refusal.broken.push_back({field, inputs[i].rule, *fault});
    }
    result.refusal = std::move(refusal);
    return result;
}

} // namespace liftcalc
