// SPDX-License-Identifier: MIT
// The menu bar: three menus and their items in order, with captions and shortcuts. The items of
// the Calculators menu are the calculators' own, from their rows in menu order, and the window's
// ways to the field checks and the test record; the others are the window's.
#pragma once

#include "calculators/calculators.h"

#include <array>
#include <optional>
#include <string_view>

namespace liftcalc {

// Names the menus and their items, not their places: the window's own first, then one for each
// calculator in menu order (menuItemOf). Where each stands is kMenus' order alone.
enum class MenuItem : int {
    mnuCalculators,
    mnuFieldChecks,
    mnuAddToTestRecord,
    mnuTestRecord,
    mnuUnits,
    mnuImperial,
    mnuMetric,
    mnuHelp,
    mnuConversions,
};
constexpr int kWindowMenuItems = static_cast<int>(MenuItem::mnuConversions) + 1;
constexpr int kMenuItemCount = kWindowMenuItems + static_cast<int>(calculators::kCount);

struct MenuDesign {
    MenuItem item;
    std::string_view name;
    std::optional<MenuItem> parent; // none for the three menus of the menu bar
    std::string_view caption;       // '&' marks the access key
    std::string_view shortcut;      // as a person reads it, "Ctrl+D"; empty for none
    bool checkable;                 // the window checks the chosen calculator and unit system
    bool checkedAtDesign;
    const Calculator *calculator = nullptr; // the one an item of the Calculators menu chooses

    // A menu of the menu bar only opens; its items are what a person chooses.
    constexpr bool choosable() const { return parent.has_value(); }
};

// The menu bar from left to right, each menu followed by its items from top to bottom: the one
// table of where each stands. Built from the calculators' rows as the program starts, so
// another file's static initializer must not read it.
extern const std::array<MenuDesign, kMenuItemCount> kMenus;

const MenuDesign &menuDesign(MenuItem item);

// The item of the Calculators menu that chooses the calculator.
constexpr MenuItem menuItemOf(const Calculator &calculator) {
    return static_cast<MenuItem>(kWindowMenuItems + calculators::menuPosition(calculator));
}

} // namespace liftcalc
