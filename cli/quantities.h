// SPDX-License-Identifier: MIT
// The quantities and calculators as the command line names them.
#pragma once

#include "window/window.h"

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace liftcalc::cli {

struct Quantity {
    std::string_view option; // "diameter": given as --diameter
    std::string_view key;    // "diameter": column and JSON names add the unit
    int imperialField;
    std::optional<int> metricField; // the number of plungers has one field for both
};

// In the order of the window's rows.
constexpr std::array<Quantity, 7> kQuantities{{
    {"diameter", "diameter", 0, 6},
    {"plungers", "plungers", 1, std::nullopt},
    {"load", "load", 2, 7},
    {"pressure", "pressure", 3, 8},
    {"speed", "speed", 11, 12},
    {"flow", "flow", 4, 9},
    {"displacement", "displacement", 5, 10},
}};

struct CalculatorCommand {
    std::string_view name;
    std::string_view title;
    MenuItem item;
    std::array<std::string_view, 3> inputs;  // options, in the order they are typed
    std::span<const std::string_view> shown; // every quantity of the calculator
};

constexpr std::string_view kPressureShown[] = {"diameter", "plungers", "load", "pressure"};
constexpr std::string_view kFlowShown[] = {"diameter", "plungers", "speed", "flow", "displacement"};
constexpr std::string_view kSpeedShown[] = {"diameter", "plungers", "speed", "flow"};

constexpr std::array<CalculatorCommand, 6> kCommands{{
    {"pressure",
     "Static pressure",
     MenuItem::mnuStaticPressure,
     {"diameter", "plungers", "load"},
     kPressureShown},
    {"flow", "Flow rate", MenuItem::mnuFlowRate, {"diameter", "plungers", "speed"}, kFlowShown},
    {"displacement",
     "Plunger displacement",
     MenuItem::mnuPlungerDisplacement,
     {"diameter", "plungers", "speed"},
     kFlowShown},
    {"load",
     "Load on plunger(s)",
     MenuItem::mnuLoad,
     {"diameter", "plungers", "pressure"},
     kPressureShown},
    {"diameter",
     "Plunger diameter",
     MenuItem::mnuDiameterofPlunger,
     {"plungers", "load", "pressure"},
     kPressureShown},
    {"speed",
     "Up speed at rated load",
     MenuItem::mnuRatedLoadSpeed,
     {"diameter", "plungers", "flow"},
     kSpeedShown},
}};

constexpr const Quantity *quantityNamed(std::string_view option) {
    for (const auto &q : kQuantities)
        if (q.option == option)
            return &q;
    return nullptr;
}

constexpr const CalculatorCommand *commandNamed(std::string_view name) {
    for (const auto &c : kCommands)
        if (c.name == name)
            return &c;
    return nullptr;
}

} // namespace liftcalc::cli
