// SPDX-License-Identifier: MIT
// Switching between imperial and metric units. A switch changes no text: it colours the option
// buttons, checks the Units menu, moves the number of plungers into the chosen column and lets
// the current calculator arrange its fields again.
#include "window/window.h"

namespace liftcalc {
namespace {

struct SetUp {
    MenuItem item;
    void (Window::*method)();
};

constexpr SetUp kSetUps[] = {
    {MenuItem::mnuStaticPressure, &Window::StaticPressure},
    {MenuItem::mnuFlowRate, &Window::FlowRate},
    {MenuItem::mnuLoad, &Window::Load},
    {MenuItem::mnuPlungerDisplacement, &Window::FlowRate},
    {MenuItem::mnuDiameterofPlunger, &Window::DiameterOfPlunger},
    {MenuItem::mnuRatedLoadSpeed, &Window::RatedLoadSpeed},
};

} // namespace

// Setting the button's Value first raises this same handler once more when the button was not
// selected; that nested run does all the steps, then this one repeats them.
void Window::optImperial_Click() {
    setOptionValue(ControlId::optImperial, true);
    setOptionForeColor(ControlId::optMetric, colours::black);
    setOptionForeColor(ControlId::optImperial, colours::red);
    setOptionFontBold(ControlId::optImperial, true);
    setOptionFontBold(ControlId::optMetric, false);
    setChecked(MenuItem::mnuImperial, true);
    setChecked(MenuItem::mnuMetric, false);
    ImperialMode = true;
    setLeft(1, kImperialColumnLeft);
    for (const auto &setUp : kSetUps)
        if (checked(setUp.item))
            (this->*setUp.method)();
}

void Window::optMetric_Click() {
    setOptionValue(ControlId::optMetric, true);
    setOptionForeColor(ControlId::optMetric, colours::red);
    setOptionForeColor(ControlId::optImperial, colours::black);
    setOptionFontBold(ControlId::optImperial, false);
    setOptionFontBold(ControlId::optMetric, true);
    setChecked(MenuItem::mnuImperial, false);
    setChecked(MenuItem::mnuMetric, true);
    ImperialMode = false;
    setLeft(1, kMetricColumnLeft);
    for (const auto &setUp : kSetUps)
        if (checked(setUp.item))
            (this->*setUp.method)();
}

void Window::mnuImperial_Click() {
    optImperial_Click();
}

void Window::mnuMetric_Click() {
    optMetric_Click();
}

} // namespace liftcalc
