// SPDX-License-Identifier: MIT
// Switching between imperial and metric units. A switch changes no text: it colours the option
// buttons, checks the Units menu, moves the number of plungers into the chosen column and lets
// the current calculator arrange its fields again.
#include "window/window.h"

namespace liftcalc {

void Window::optImperial_Click() {
    selectUnits(true);
}

void Window::optMetric_Click() {
    selectUnits(false);
}

// Setting the button's Value first raises its click once more when the button was not
// selected; that nested run does all the steps, then this one repeats them.
void Window::selectUnits(bool imperial) {
    setOptionValue(imperial ? ControlId::optImperial : ControlId::optMetric, true);
    setOptionForeColor(ControlId::optMetric, imperial ? colours::black : colours::red);
    setOptionForeColor(ControlId::optImperial, imperial ? colours::red : colours::black);
    setOptionFontBold(ControlId::optImperial, imperial);
    setOptionFontBold(ControlId::optMetric, !imperial);
    setChecked(MenuItem::mnuImperial, imperial);
    setChecked(MenuItem::mnuMetric, !imperial);
    ImperialMode = imperial;
    setLeft(fields::plungers, imperial ? kImperialColumnLeft : kMetricColumnLeft);
    for (const Calculator *calculator : calculators::kArrangingOrder)
        if (isCurrent(*calculator))
            setUp(*calculator);
}

void Window::mnuImperial_Click() {
    optImperial_Click();
}

void Window::mnuMetric_Click() {
    optMetric_Click();
}

} // namespace liftcalc
