// SPDX-License-Identifier: MIT
#include "window/menus.h"

#include "record/words.h"

namespace liftcalc {
namespace {

std::array<MenuDesign, kMenuItemCount> menuTable() {
    using enum MenuItem;
    using record::words::kAddToTestRecord;
    using record::words::kOpenTestRecord;
    std::array<MenuDesign, kMenuItemCount> menus{};
    std::size_t next = 0;
    auto put = [&menus, &next](const MenuDesign &design) { menus.at(next++) = design; };
    put({mnuCalculators, "mnuCalculators", std::nullopt, "C&alculators", "", false, false});
    for (const Calculator *calculator : calculators::kMenuOrder) {
        const MenuEntry &entry = calculator->menu;
        put({menuItemOf(*calculator), entry.name, mnuCalculators, entry.caption, entry.shortcut,
             true, calculator == calculators::kOpening, calculator});
    }
    put({mnuFieldChecks, "mnuFieldChecks", mnuCalculators, "Field Chec&ks...", "Ctrl+K", false,
         false});
    put({mnuAddToTestRecord, "mnuAddToTestRecord", mnuCalculators, kAddToTestRecord, "", false,
         false});
    put({mnuTestRecord, "mnuTestRecord", mnuCalculators, kOpenTestRecord, "", false, false});
    put({mnuUnits, "mnuUnits", std::nullopt, "&Units", "", false, false});
    put({mnuImperial, "mnuImperial", mnuUnits, "&Imperial", "Ctrl+I", true, true});
    put({mnuMetric, "mnuMetric", mnuUnits, "&Metric", "Ctrl+M", true, false});
    put({mnuHelp, "mnuHelp", std::nullopt, "&Help", "", false, false});
    put({mnuConversions, "mnuConversions", mnuHelp, "&Conversions", "Ctrl+C", false, false});
    return menus;
}

// Each item's place in kMenus, by the item.
std::array<std::size_t, kMenuItemCount> placesOf(const std::array<MenuDesign, kMenuItemCount> &m) {
    std::array<std::size_t, kMenuItemCount> places{};
    for (std::size_t place = 0; place < m.size(); ++place)
        places.at(static_cast<std::size_t>(m[place].item)) = place;
    return places;
}

} // namespace

// The calculators' rows are constant, so they are in place before this table is built from
// them.
const std::array<MenuDesign, kMenuItemCount> kMenus = menuTable();

const MenuDesign &menuDesign(MenuItem item) {
    static const std::array<std::size_t, kMenuItemCount> places = placesOf(kMenus);
    return kMenus.at(places.at(static_cast<std::size_t>(item)));
}

} // namespace liftcalc
