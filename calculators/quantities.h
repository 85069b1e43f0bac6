// SPDX-License-Identifier: MIT
// The quantities the calculators work with, as people name them, with their units and the
// fields that hold them. The window's row captions, unit labels and screen reader names, and the
// command line's options, column names, units text and help all come from this table; a new
// quantity is a line here.
#pragma once

#include "calculators/field_ids.h"
#include "calculators/unit_system.h"

#include <optional>
#include <string>
#include <string_view>

namespace liftcalc {

struct Quantity {
    std::string_view name;         // "Load on Plunger(s)": the row's caption, without its colon
    std::string_view option;       // "load": --load on the command line, load_lb in its columns
    std::string_view imperialUnit; // "LB"; empty for a count
    std::string_view metricUnit;   // "KG"; empty for a count
    int imperialField;
    std::optional<int> metricField; // a count has one field for both unit systems

    constexpr bool isCount() const { return !metricField; }
    constexpr int field(UnitSystem units) const {
        return units == UnitSystem::metric && metricField ? *metricField : imperialField;
    }
};

// In the order of the window's rows, top to bottom.
inline constexpr Quantity kQuantities[] = {
    {"Diameter of Plunger(s)", "diameter", "IN", "MM", fields::diameterIn, fields::diameterMm},
    {"Number of Plungers", "plungers", "", "", fields::plungers, std::nullopt},
    {"Load on Plunger(s)", "load", "LB", "KG", fields::loadLb, fields::loadKg},
    {"Static Pressure", "pressure", "PSI", "BAR", fields::pressurePsi, fields::pressureBar},
    {"Up Speed/Rated Load", "speed", "FPM", "MPS", fields::speedFpm, fields::speedMps},
    {"Flow Rate", "flow", "GPM", "LPS", fields::flowGpm, fields::flowLps},
    {"Plunger Displacement", "displacement", "GPF", "LPM", fields::displacementGpf,
     fields::displacementLpm},
};

// The quantity a field holds; every field holds one.
constexpr const Quantity &quantityOf(int field) {
    for (const Quantity &q : kQuantities)
        if (q.imperialField == field || q.metricField == field)
            return q;
    return kQuantities[0];
}

// The unit of a field ("KG"); empty for a count.
constexpr std::string_view unitOf(int field) {
    const Quantity &q = quantityOf(field);
    return q.metricField == field ? q.metricUnit : q.imperialUnit;
}

// A quantity by its command-line name, which the calculators' rows use to name their inputs. A
// name that is not in the table does not compile there.
void noSuchQuantity();
consteval const Quantity &quantityNamed(std::string_view option) {
    for (const Quantity &q : kQuantities)
        if (q.option == option)
            return q;
    noSuchQuantity();
    return kQuantities[0];
}

// A field's name for screen readers: its row and its unit, "Load on Plunger(s) LB".
inline std::string accessibleName(int field) {
    const std::string_view unit = unitOf(field);
    return std::string(quantityOf(field).name) + (unit.empty() ? "" : " ") + std::string(unit);
}

} // namespace liftcalc
