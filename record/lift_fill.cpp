// SPDX-License-Identifier: MIT
#include "record/lift_fill.h"

#include "record/lift_figures.h"

#include <cmath>

namespace liftcalc::record {
namespace {

bool isEmpty(std::span<const std::string> typed, std::size_t input) {
    return input >= typed.size() || typed[input].empty();
}

std::optional<std::string> fillFor(const Lift &lift, std::string_view option, UnitSystem units,
                                   const NumberFormat &format) {
    if (option == kPlungersOption)
        return lift.plungers ? std::optional(plainText(*lift.plungers, format)) : std::nullopt;
    for (const LiftQuantity &quantity : kLiftQuantities) {
        const auto &figure = lift.*quantity.figure;
        if (quantity.checkOption != option || !figure)
            continue;
        const UnitSystem given = quantity.systemOf(figure->unit);
        if (given == units)
            return plainText(figure->value, format);
        const double converted =
            figure->value *
            (units == UnitSystem::metric ? quantity.units->toMetric : quantity.units->toImperial);
        if (!std::isfinite(converted))
            return std::nullopt;
        return answerText(converted, format);
    }
    return std::nullopt;
}

} // namespace

std::vector<InputFill> liftFill(const Lift &lift, const Check &check, UnitSystem units,
                                std::span<const std::string> typed, const NumberFormat &format) {
    std::vector<InputFill> fills;
    for (std::size_t i = 0; i < check.inputs.size(); ++i)
        if (isEmpty(typed, i))
            if (auto text = fillFor(lift, check.inputs[i].option, units, format))
                fills.push_back({static_cast<int>(i), std::move(*text)});
    return fills;
}

} // namespace liftcalc::record
