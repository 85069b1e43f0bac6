// SPDX-License-Identifier: MIT
// The shape every calculation shares, as pure code: from the texts of the fields and the regional
// settings to the ordered list of what the calculation does to the window (field writes, the
// displacement tooltip, a message box), or a refusal after the writes made so far.
//
// A calculation reads back text it has just written (an answer's equivalent is computed from the
// displayed, rounded answer), so it keeps its own copy of the field texts and updates it with
// every write. The window applies the effects one by one through its own field writes, which
// raise the change rule as typing does.
#pragma once

#include "calculators/field_ids.h"
#include "calculators/message_box.h"
#include "calculators/numeric.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace liftcalc {

// Constants exactly as the calculators use them. The two factors of a pair are separate
// figures, not reciprocals of each other.
namespace factors {
constexpr double pi = 3.14159;
constexpr double barPerPsi = 0.06895;
constexpr double psiPerBar = 14.5038;
constexpr double mmPerInch = 25.4;
constexpr double inchPerMm = 0.03937;
constexpr double kgPerPound = 0.45359;
constexpr double poundPerKg = 2.2046;
constexpr double barMm2PerKg = 98.0665; // bars times square millimetres per kilogram-force
constexpr double cubicInchPerGallon = 231;
constexpr double inchPerFoot = 12;
constexpr double mm2MetrePerLitre = 1000;
constexpr double mpsPerFpm = 0.00508;
constexpr double fpmPerMps = 196.85;
constexpr double lpsPerGpm = 0.06309;
constexpr double gpmPerLps = 15.8503;
} // namespace factors

inline constexpr std::string_view kInvalidNumberPrompt =
    "Did you enter a valid number in every field?";

// The tooltip of the "Plunger Displacement:" caption while it describes one plunger.
inline constexpr std::string_view kOnePlungerTip = " This is the displacement of one plunger... ";

using FieldTexts = std::array<std::string, fields::count>;

struct FieldWrite {
    int field;
    std::string text;
};
// A new tooltip for the "Plunger Displacement:" caption.
struct DisplacementTip {
    std::string text;
};
using Effect = std::variant<FieldWrite, DisplacementTip, MessageBox>;

// The displacement of all plungers together, after a flow rate or displacement calculation for
// more than one plunger.
struct TotalDisplacement {
    double gallonsPerFoot;
    double litresPerMetre;
};

struct Outcome {
    std::vector<Effect> effects; // in the order they happen
    // The invalid-number message follows the effects; nothing written before it is undone.
    bool refused = false;
    std::optional<TotalDisplacement> total;
};

// One run of a calculation. A conversion or arithmetic error throws, abandoning the remaining
// steps; calculate() catches it and reports the refusal.
class Calculation {
public:
    Calculation(const FieldTexts &texts, const NumberFormat &format)
        : texts_(texts), format_(format) {
        outcome_.effects.reserve(fields::count);
    }

    const std::string &text(int field) const { return texts_.at(field); }
    // The field's text as a whole number in the regional format, or a conversion error.
    double value(int field) const;
    // The longest leading number of the field's text; never fails.
    double lenient(int field) const;
    // An intermediate result that is infinite or not a number stops the calculation.
    static double checked(double x);
    static double squared(double x);
    // The square root of a negative number is an error like any other.
    static double squareRoot(double x);
    double rounded(double x) const;
    // The cross-section of all plungers together: the radius squared, times their number,
    // times pi, in that order.
    static double totalArea(double diameter, double plungers);

    // Rewrites the number of plungers as the whole number below it (2.7 becomes 2). The field
    // is open, so in the window the change rule empties the old answers first.
    void wholeNumberOfPlungers();
    // The positive test: true when the field's lenient value is above 0.
    bool positive(int field) const;
    // The whole-number test: true when the field's value, rounded down, is at least 1.
    bool wholeNumber(int field) const;
    // Takes the failure path unless the test passed.
    void require(bool passed) const;

    // Writes in the three-decimal answer format (1,234.568).
    void writeAnswer(int field, double x);
    // Writes as plain number text (1234.568, 6).
    void writePlain(int field, double x);
    void setDisplacementTip(std::string text);
    void showMessage(MessageBox box);
    void reportTotal(TotalDisplacement total) { outcome_.total = total; }

    std::string plain(double x) const { return plainText(x, format_); }

    friend Outcome calculate(const FieldTexts &, const NumberFormat &, void (*)(Calculation &));

private:
    void write(int field, std::string text);

    FieldTexts texts_;
    // Each field's value once read; a field's write forgets it.
    mutable std::array<std::optional<double>, fields::count> values_;
    const NumberFormat &format_;
    Outcome outcome_;
};

// Runs a calculation's body under its error trap.
Outcome calculate(const FieldTexts &texts, const NumberFormat &format, void (*body)(Calculation &));

} // namespace liftcalc
