// SPDX-License-Identifier: MIT
// The field checks: calculations a mechanic makes at a periodic test or when something is amiss,
// beyond the six calculators (oil for a travel, a drift, the car's weight from the gauge, the
// pump's power, a timed run, test pressures). Each is a row of inputs and answers with a pure
// calculation in the chosen unit system; evaluate() turns the typed texts into the ordered field
// writes of the checks window, or a refusal that names the input and the rule it broke.
#pragma once

#include "calculators/factors.h"
#include "calculators/input_rule.h"
#include "calculators/numeric.h"
#include "calculators/unit_system.h"

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace liftcalc {

// The units a figure is given in, with a factor for each direction (each its own constant, not
// the reciprocal of the other). A figure without unit systems (a count, a time, a share) has
// one unit, or none, and no metric side.
struct Units {
    std::string_view imperial; // "FT"; the one unit of a figure without unit systems
    std::string_view metric;   // "M"; empty for a figure without unit systems
    double toMetric = 0;
    double toImperial = 0;

    constexpr bool bothSystems() const { return !metric.empty(); }
};

// The factors are the calculators' own where a calculator has the quantity.
namespace units {
constexpr Units inch{"IN", "MM", factors::mmPerInch, factors::inchPerMm};
constexpr Units foot{"FT", "M", factors::metrePerFoot, factors::footPerMetre};
constexpr Units gallon{"GAL", "L", factors::litrePerGallon, factors::gallonPerLitre};
constexpr Units gallonPerHour{"GAL/H", "L/H", factors::litrePerGallon, factors::gallonPerLitre};
constexpr Units pressure{"PSI", "BAR", factors::barPerPsi, factors::psiPerBar};
constexpr Units weight{"LB", "KG", factors::kgPerPound, factors::poundPerKg};
constexpr Units flow{"GPM", "LPS", factors::lpsPerGpm, factors::gpmPerLps};
constexpr Units power{"HP", "KW", factors::kwPerHp, factors::hpPerKw};
constexpr Units speed{"FPM", "MPS", factors::mpsPerFpm, factors::fpmPerMps};
constexpr Units count{"", ""};
constexpr Units minutes{"MIN", ""};
constexpr Units seconds{"S", ""};
constexpr Units percent{"%", ""};
} // namespace units

// A figure that more than one check takes or works out. Rows of the same figure have the same
// units, and the checks window carries a figure typed or worked out in one check into the
// others that take it.
enum class Figure {
    none,
    plungerDiameter,
    plungers,
    emptyCarPressure,
    fullLoadPressure,
    ratedLoad
};

struct CheckRow {
    std::string_view name;   // as the window's row caption and a refusal say it: "Travel"
    std::string_view option; // the command line's name: "travel"
    const Units *units;
    Rule rule = Rule::aboveZero; // inputs only
    Figure figure = Figure::none;
};

// A fault only a check's inputs together can have: the input is below another input of the check,
// which it must not be (a loaded-car pressure below the empty-car one: swapped readings or a
// wrong gauge).
struct BelowInput {
    int other;
    bool operator==(const BelowInput &) const = default;
};
using CheckFault = std::variant<Fault, BelowInput>;

struct CheckRefusal {
    std::optional<int> input; // the input to fix; none when only the result is too large
    CheckFault fault;
    bool operator==(const CheckRefusal &) const = default;
};
// Every input whose text breaks its own rule, in row order; when each keeps its rule, the input
// that disagrees with the others, or the result too large to compute.
using CheckRefusals = std::vector<CheckRefusal>;

constexpr int kMostCheckInputs = 4;
constexpr int kMostCheckAnswers = 2;
using CheckInputs = std::array<double, kMostCheckInputs>;
using CheckAnswers = std::array<double, kMostCheckAnswers>;

// The help shown under a check's rows, short enough for a phone's width: what the inputs are and
// where each reading is taken, then the calculation in a unit system, in the rows' words or the
// symbols the first part gives them. The metric calculation is empty where it is the same.
struct CheckGuide {
    std::string_view readings;
    std::string_view imperial;
    std::string_view metric;
};

struct Check {
    std::string_view title;   // the chooser's item and the refusal's title: "Oil for a travel"
    std::string_view command; // the command line's subcommand: "oil"
    std::span<const CheckRow> inputs;
    std::span<const CheckRow> answers;
    // The answers in the chosen unit system from the inputs' values in it (each input already
    // passed its rule), rounding nothing; or the input that disagrees with the others.
    std::variant<CheckAnswers, CheckRefusal> (*compute)(const CheckInputs &inputs,
                                                        UnitSystem units);
    // The calculation in words for the help, in the rows' option names with A the total plunger
    // area, one answer after a "; ": "oil = A x travel x 12 / 231". The metric one is empty
    // where the calculation is the same in both unit systems.
    std::string_view imperialFormula;
    std::string_view metricFormula;
    CheckGuide guide;

    int rowCount() const { return static_cast<int>(inputs.size() + answers.size()); }
    const CheckRow &row(int index) const {
        return index < static_cast<int>(inputs.size()) ? inputs[index]
                                                       : answers[index - inputs.size()];
    }
};

// A field of the checks window: a row's imperial or metric field. A row without unit systems has
// its one field in the imperial slot.
struct CheckField {
    int row;
    bool metric;
    bool operator==(const CheckField &) const = default;
};

struct CheckWrite {
    CheckField field;
    std::string text;
    bool operator==(const CheckWrite &) const = default;
};

// Either the writes of a calculation, in order, or its refusals; a refusal writes nothing.
using CheckOutcome = std::variant<std::vector<CheckWrite>, CheckRefusals>;

// The inputs are the texts of the chosen system's input fields, in row order. Each is read with
// the strict reading and tested by its rule, and every one that breaks it is named; when none
// does, the answers are computed and written, each rounded only as it is written. Writes: the other
// system's equivalents of the inputs in row order, then each answer followed by its equivalent. An
// equivalent is the strict reading of the field just written or typed, times the factor.
CheckOutcome evaluate(const Check &check, UnitSystem units, std::span<const std::string> inputs,
                      const NumberFormat &format);

// What is wrong with a refused input, in the words of every front end, said after the input's
// name: "must be more than 0"; or "must not be below", then the other input's name.
struct CheckFaultText {
    std::string text;
    const CheckRow *other = nullptr;
};
CheckFaultText faultText(const Check &check, const CheckRefusal &refusal, UnitSystem units);

// The refusal's sentence in the checks window: "Time must be more than 0".
std::string refusalText(const Check &check, const CheckRefusal &refusal, UnitSystem units);

// The check's help in the chosen unit system: where the readings are taken, a line break, then
// the calculation.
std::string guideText(const Check &check, UnitSystem units);

// The total area of all plungers, as the six calculators compute it: the number of plungers
// times the square of half the diameter, times pi, in that order.
double plungerArea(double diameter, double plungers);

} // namespace liftcalc
