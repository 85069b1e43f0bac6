// SPDX-License-Identifier: MIT
// The shape every calculation method shares: an error trap around the whole method, the two
// readings of a field, the tests, the arithmetic checks, and the failure path with its message.
#pragma once

#include "window/window.h"

#include <array>
#include <functional>
#include <string_view>

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

// One run of a calculation method. Any conversion or arithmetic error throws, abandoning the
// remaining steps; runCalculation catches it and takes the failure path.
class Calculation {
public:
    explicit Calculation(Window &window) : window_(window), format_(window.numberFormat()) {}

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
    // is open, so the change rule empties the old answers first.
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

    std::string plain(double x) const { return plainText(x, format_); }
    Window &window() { return window_; }

private:
    Window &window_;
    const NumberFormat &format_;
};

// Runs a calculation method's body under its error trap. On a failure: the invalid-number
// message with the calculator's title, then the focus goes to the first of the inputs whose
// lenient value is 0 or less. Nothing written before the failure is undone.
void runCalculation(Window &window, std::string_view failureTitle,
                    const std::array<int, 3> &focusOrder,
                    const std::function<void(Calculation &)> &body);

} // namespace liftcalc
