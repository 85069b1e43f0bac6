// SPDX-License-Identifier: MIT
// The calculators of the Calculators menu, each defined in its own file (flow rate and plunger
// displacement share one body of work and one file), and the one table that lists them.
#pragma once

#include "calculators/calculator.h"

#include <array>
#include <cstddef>
#include <iterator>

namespace liftcalc::calculators {

extern const Calculator staticPressure;
extern const Calculator flowRate;
extern const Calculator plungerDisplacement;
extern const Calculator loadOnPlungers;
extern const Calculator plungerDiameter;
extern const Calculator upSpeed;

// Every calculator once. The window goes through them in three orders, each of them behaviour:
// Calculate tests which one is current in the order of this table; the unit switch and the
// change rule test them in their arranging order (load before plunger displacement); the
// Calculators menu lists them in their menu order.
struct Listing {
    const Calculator *calculator;
    int arranging;
    int menu;
};
// clang-format off
inline constexpr Listing kTable[] = {
    // calculator            arranging  menu
    {&staticPressure,        0,         4},
    {&flowRate,              1,         1},
    {&plungerDisplacement,   3,         3},
    {&loadOnPlungers,        2,         2},
    {&plungerDiameter,       4,         0},
    {&upSpeed,               5,         5},
};
// clang-format on
inline constexpr std::size_t kCount = std::size(kTable);

// The calculator the window opens with: its menu item is checked at design, and start-up sets
// it up.
inline constexpr const Calculator *kOpening = &staticPressure;

// Each position of a column is taken by one calculator.
constexpr bool eachPositionOnce(int Listing::*position) {
    std::array<bool, kCount> taken{};
    for (const Listing &listing : kTable) {
        const auto at = static_cast<std::size_t>(listing.*position);
        if (at >= kCount || taken[at])
            return false;
        taken[at] = true;
    }
    return true;
}
static_assert(eachPositionOnce(&Listing::arranging) && eachPositionOnce(&Listing::menu),
              "each calculator needs a position of its own in every order");

// The calculators in the order one column of the table gives.
constexpr std::array<const Calculator *, kCount> ordered(int Listing::*position) {
    std::array<const Calculator *, kCount> order{};
    for (const Listing &listing : kTable)
        order[static_cast<std::size_t>(listing.*position)] = listing.calculator;
    return order;
}

constexpr std::array<const Calculator *, kCount> inTableOrder() {
    std::array<const Calculator *, kCount> order{};
    for (std::size_t i = 0; i < kCount; ++i)
        order[i] = kTable[i].calculator;
    return order;
}

// In the order Calculate tests which one is current.
inline constexpr std::array<const Calculator *, kCount> kAll = inTableOrder();
inline constexpr std::array<const Calculator *, kCount> kArrangingOrder =
    ordered(&Listing::arranging);
inline constexpr std::array<const Calculator *, kCount> kMenuOrder = ordered(&Listing::menu);

// The calculator's place in the Calculators menu, from 0.
constexpr int menuPosition(const Calculator &calculator) {
    for (const Listing &listing : kTable)
        if (listing.calculator == &calculator)
            return listing.menu;
    return -1;
}

} // namespace liftcalc::calculators
