// SPDX-License-Identifier: MIT
// The chart of conversion factors, shown from the Help menu. It reads and changes nothing.
#include "window/window.h"

#include <string>

namespace liftcalc {

void Window::mnuConversions_Click() {
    // The runs of spaces line the equals signs up in the message box's proportional font.
    static const char *const kLines[] = {
        "1 Pound                        =   0.45359 Kilograms",
        "1 Kilogram                     =   2.2046 Pounds",
        "1 Inch                           =   25.400 Millimeters",
        "1 Millimeter                    =   0.03937 Inches",
        "1 Pound/Square Inch   =   0.06895 Bars",
        "1 Bar                             =   14.5038 Pounds/Square Inch",
        "1 Foot/Minute               =   0.00508 Meters/Second",
        "1 Meter/Second           =   196.85 Feet/Minute",
        "1 Gallon/Minute            =   0.06309 Liters/Second",
        "1 Liter/Second              =   15.8503 Gallons/Minute",
        "1 Gallon/Foot                =   approx.  12.42 Liters/Meter",
        "1 Liter/Meter                 =   approx.  .0805 Gallons/Foot",
    };
    std::string prompt;
    for (const char *line : kLines)
        prompt += std::string("\r\n") + line;
    showMessage({"Conversion Chart", prompt, 0});
}

} // namespace liftcalc
