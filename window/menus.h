// SPDX-License-Identifier: MIT
// The menu bar: three menus, their items in order, captions, shortcuts, and the calculator each
// item of the Calculators menu chooses.
#pragma once

#include "calculators/calculators.h"

#include <array>
#include <optional>
#include <string_view>

namespace liftcalc {

enum class MenuItem : int {
    mnuCalculators,
    mnuDiameterofPlunger,
    mnuFlowRate,
    mnuLoad,
    mnuPlungerDisplacement,
    mnuStaticPressure,
    mnuRatedLoadSpeed,
    mnuUnits,
    mnuImperial,
    mnuMetric,
    mnuHelp,
    mnuConversions,
};
constexpr int kMenuItemCount = 12;

struct MenuDesign {
    MenuItem item;
    std::string_view name;
    std::optional<MenuItem> parent; // none for the three menus of the menu bar
    std::string_view caption;       // '&' marks the access key
    std::string_view shortcut;      // as a person reads it, "Ctrl+D"; empty for none
    bool checkedAtDesign;
    const Calculator *calculator = nullptr; // the one an item of the Calculators menu chooses

    // A menu of the menu bar only opens; its items are what a person chooses.
    constexpr bool choosable() const { return parent.has_value(); }
};

constexpr std::array<MenuDesign, kMenuItemCount> kMenus{{
    {MenuItem::mnuCalculators, "mnuCalculators", std::nullopt, "C&alculators", "", false},
    {MenuItem::mnuDiameterofPlunger, "mnuDiameterofPlunger", MenuItem::mnuCalculators,
     "&Diameter of Plunger(s)", "Ctrl+D", false, &calculators::plungerDiameter},
    {MenuItem::mnuFlowRate, "mnuFlowRate", MenuItem::mnuCalculators, "&Flow Rate", "Ctrl+F", false,
     &calculators::flowRate},
    {MenuItem::mnuLoad, "mnuLoad", MenuItem::mnuCalculators, "&Load on Plunger(s)", "Ctrl+L", false,
     &calculators::loadOnPlungers},
    {MenuItem::mnuPlungerDisplacement, "mnuPlungerDisplacement", MenuItem::mnuCalculators,
     "&Plunger Displacement", "Ctrl+P", false, &calculators::plungerDisplacement},
    {MenuItem::mnuStaticPressure, "mnuStaticPressure", MenuItem::mnuCalculators, "&Static Pressure",
     "Ctrl+S", true, &calculators::staticPressure},
    {MenuItem::mnuRatedLoadSpeed, "mnuRatedLoadSpeed", MenuItem::mnuCalculators,
     "&Up Speed/Rated Load", "Ctrl+U", false, &calculators::upSpeed},
    {MenuItem::mnuUnits, "mnuUnits", std::nullopt, "&Units", "", false},
    {MenuItem::mnuImperial, "mnuImperial", MenuItem::mnuUnits, "&Imperial", "Ctrl+I", true},
    {MenuItem::mnuMetric, "mnuMetric", MenuItem::mnuUnits, "&Metric", "Ctrl+M", false},
    {MenuItem::mnuHelp, "mnuHelp", std::nullopt, "&Help", "", false},
    {MenuItem::mnuConversions, "mnuConversions", MenuItem::mnuHelp, "&Conversions", "Ctrl+C",
     false},
}};

constexpr const MenuDesign &menuDesign(MenuItem item) {
    return kMenus[static_cast<int>(item)];
}

// The item of the Calculators menu that chooses the calculator.
constexpr MenuItem menuItemOf(const Calculator &calculator) {
    for (const auto &menu : kMenus)
        if (menu.calculator == &calculator)
            return menu.item;
    return MenuItem::mnuCalculators;
}

} // namespace liftcalc
