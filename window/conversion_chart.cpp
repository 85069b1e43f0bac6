// SPDX-License-Identifier: MIT
// The chart of conversion factors, shown from the Help menu. It reads and changes nothing.
#include "window/window.h"

#include <string>

namespace liftcalc {
namespace {

// One line of the chart: a unit, a run of spaces, the factor and the unit it gives. The runs
// of spaces differ from line to line because they line the equals signs up in the message
// box's proportional font.
struct ChartLine {
    std::string_view unit;
    int spaces;
    double factor;
    std::string_view into;
    // At least this many decimals (the chart writes 25.4 as 25.400).
    int decimals = 0;
    // A rounded figure the calculations never use, written "approx." and without a leading
    // zero.
    bool approximate = false;
};

// The displacement factors are stated only here, rounded; the calculators work the
// displacement out from the diameter.
constexpr double kLitresPerMetrePerGallonPerFoot = 12.42;
constexpr double kGallonsPerFootPerLitrePerMetre = 0.0805;

constexpr ChartLine kChart[] = {
    {"1 Pound", 24, factors::kgPerPound, "Kilograms"},
    {"1 Kilogram", 21, factors::poundPerKg, "Pounds"},
    {"1 Inch", 27, factors::mmPerInch, "Millimeters", 3},
    {"1 Millimeter", 20, factors::inchPerMm, "Inches"},
    {"1 Pound/Square Inch", 3, factors::barPerPsi, "Bars"},
    {"1 Bar", 29, factors::psiPerBar, "Pounds/Square Inch"},
    {"1 Foot/Minute", 15, factors::mpsPerFpm, "Meters/Second"},
    {"1 Meter/Second", 11, factors::fpmPerMps, "Feet/Minute"},
    {"1 Gallon/Minute", 12, factors::lpsPerGpm, "Liters/Second"},
    {"1 Liter/Second", 14, factors::gpmPerLps, "Gallons/Minute"},
    {"1 Gallon/Foot", 16, kLitresPerMetrePerGallonPerFoot, "Liters/Meter", 0, true},
    {"1 Liter/Meter", 17, kGallonsPerFootPerLitrePerMetre, "Gallons/Foot", 0, true},
};

// The factor as the chart writes it: the plain figure with a point, whatever the regional
// settings, since the chart is a fixed text.
std::string figure(const ChartLine &line) {
    std::string text = plainText(line.factor, NumberFormat::english());
    const auto point = text.find('.');
    const int decimals = point == std::string::npos ? 0 : int(text.size() - point - 1);
    if (decimals < line.decimals)
        text +=
            (point == std::string::npos ? "." : "") + std::string(line.decimals - decimals, '0');
    if (!line.approximate)
        return text;
    if (text.starts_with("0."))
        text.erase(0, 1);
    return "approx.  " + text;
}

} // namespace

void Window::mnuConversions_Click() {
    // Each line follows a line break, so the box's first line is empty.
    std::string prompt;
    for (const ChartLine &line : kChart)
        prompt += "\r\n" + std::string(line.unit) + std::string(line.spaces, ' ') + "=   " +
                  figure(line) + " " + std::string(line.into);
    showMessage({"Conversion Chart", prompt, 0});
}

} // namespace liftcalc
