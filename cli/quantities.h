// SPDX-License-Identifier: MIT
// The quantities and calculators as the command line names them.
#pragma once

#include "calculators/calculators.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace liftcalc::cli {

// A calculator as the command line names it; its inputs and figures come from its row.
struct CalculatorCommand {
    std::string_view name;
    std::string_view title;
    const Calculator *calculator;
    // The load calculator refuses a diameter below one whole inch or millimetre.
    bool diameterAtLeastOne = false;

    // The options of its inputs, in the order they are typed.
    std::span<const std::string_view> inputs() const;
    // Every quantity the calculator shows, in the order of the window's rows.
    std::vector<const Quantity *> shown() const;
    // The flow rate and displacement calculators also give the displacement of all plungers.
    bool givesTotal() const;
};

// In the order the window tests them.
inline const std::array<CalculatorCommand, 6> kCommands{{
    {"pressure", "Static pressure", &calculators::staticPressure},
    {"flow", "Flow rate", &calculators::flowRate},
    {"displacement", "Plunger displacement", &calculators::plungerDisplacement},
    {"load", "Load on plunger(s)", &calculators::loadOnPlungers, true},
    {"diameter", "Plunger diameter", &calculators::plungerDiameter},
    {"speed", "Up speed at rated load", &calculators::upSpeed},
}};

constexpr UnitSystem unitsOf(bool imperial) {
    return imperial ? UnitSystem::imperial : UnitSystem::metric;
}

constexpr const Quantity *quantityCalled(std::string_view option) {
    for (const auto &q : kQuantities)
        if (q.option == option)
            return &q;
    return nullptr;
}

inline const CalculatorCommand *commandNamed(std::string_view name) {
    for (const auto &c : kCommands)
        if (c.name == name)
            return &c;
    return nullptr;
}

} // namespace liftcalc::cli
