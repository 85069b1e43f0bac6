// SPDX-License-Identifier: MIT
// The menu bar: three menus, their items in order, captions, shortcuts and handlers.
#pragma once

#include "window/window.h"

#include <array>
#include <optional>
#include <string_view>

namespace liftcalc {

struct MenuDesign {
    MenuItem item;
    std::string_view name;
    std::optional<MenuItem> parent; // none for the three menus of the menu bar
    std::string_view caption;       // '&' marks the access key
    std::string_view shortcut;      // as a person reads it, "Ctrl+D"; empty for none
    bool checkedAtDesign;
    void (Window::*handler)();
};

constexpr std::array<MenuDesign, kMenuItemCount> kMenus{{
    {MenuItem::mnuCalculators, "mnuCalculators", std::nullopt, "C&alculators", "", false, nullptr},
    {MenuItem::mnuDiameterofPlunger, "mnuDiameterofPlunger", MenuItem::mnuCalculators,
     "&Diameter of Plunger(s)", "Ctrl+D", false, &Window::mnuDiameterofPlunger_Click},
    {MenuItem::mnuFlowRate, "mnuFlowRate", MenuItem::mnuCalculators, "&Flow Rate", "Ctrl+F", false,
     &Window::mnuFlowRate_Click},
    {MenuItem::mnuLoad, "mnuLoad", MenuItem::mnuCalculators, "&Load on Plunger(s)", "Ctrl+L", false,
     &Window::mnuLoad_Click},
    {MenuItem::mnuPlungerDisplacement, "mnuPlungerDisplacement", MenuItem::mnuCalculators,
     "&Plunger Displacement", "Ctrl+P", false, &Window::mnuPlungerDisplacement_Click},
    {MenuItem::mnuStaticPressure, "mnuStaticPressure", MenuItem::mnuCalculators, "&Static Pressure",
     "Ctrl+S", true, &Window::mnuStaticPressure_Click},
    {MenuItem::mnuRatedLoadSpeed, "mnuRatedLoadSpeed", MenuItem::mnuCalculators,
     "&Up Speed/Rated Load", "Ctrl+U", false, &Window::mnuRatedLoadSpeed_Click},
    {MenuItem::mnuUnits, "mnuUnits", std::nullopt, "&Units", "", false, nullptr},
    {MenuItem::mnuImperial, "mnuImperial", MenuItem::mnuUnits, "&Imperial", "Ctrl+I", true,
     &Window::mnuImperial_Click},
    {MenuItem::mnuMetric, "mnuMetric", MenuItem::mnuUnits, "&Metric", "Ctrl+M", false,
     &Window::mnuMetric_Click},
    {MenuItem::mnuHelp, "mnuHelp", std::nullopt, "&Help", "", false, nullptr},
    {MenuItem::mnuConversions, "mnuConversions", MenuItem::mnuHelp, "&Conversions", "Ctrl+C", false,
     &Window::mnuConversions_Click},
}};

constexpr const MenuDesign &menuDesign(MenuItem item) {
    return kMenus[static_cast<int>(item)];
}

} // namespace liftcalc
