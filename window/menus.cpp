// SPDX-License-Identifier: MIT
#include "window/menus.h"

namespace liftcalc {
namespace {

std::array<MenuDesign, kMenuItemCount> menuTable() {
    using enum MenuItem;
    std::array<MenuDesign, kMenuItemCount> menus{};
    auto put = [&menus](const MenuDesign &design) {
        menus[static_cast<int>(design.item)] = design;
    };
    put({mnuCalculators, "mnuCalculators", std::nullopt, "C&alculators", "", false, false});
    for (const Calculator *calculator : calculators::kMenuOrder) {
        const MenuEntry &entry = calculator->menu;
        put({menuItemOf(*calculator), entry.name, mnuCalculators, entry.caption, entry.shortcut,
             true, calculator == calculators::kOpening, calculator});
    }
    put({mnuFieldChecks, "mnuFieldChecks", mnuCalculators, "Field Chec&ks...", "Ctrl+K", false,
         false});
    put({mnuUnits, "mnuUnits", std::nullopt, "&Units", "", false, false});
    put({mnuImperial, "mnuImperial", mnuUnits, "&Imperial", "Ctrl+I", true, true});
    put({mnuMetric, "mnuMetric", mnuUnits, "&Metric", "Ctrl+M", true, false});
    put({mnuHelp, "mnuHelp", std::nullopt, "&Help", "", false, false});
    put({mnuConversions, "mnuConversions", mnuHelp, "&Conversions", "Ctrl+C", false, false});
    return menus;
}

} // namespace

// The calculators' rows are constant, so they are in place before this table is built from
// them.
const std::array<MenuDesign, kMenuItemCount> kMenus = menuTable();

} // namespace liftcalc
