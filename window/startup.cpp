// SPDX-License-Identifier: MIT
// Start-up, shutdown and the dispatch of Calculate.
#include "window/window.h"

namespace liftcalc {
namespace {

struct CalculationMethods {
    MenuItem item;
    void (Window::*imperial)();
    void (Window::*metric)();
};

// Flow rate and plunger displacement share one pair of methods, which tell them apart by the
// checked item.
constexpr CalculationMethods kDispatch[] = {
    {MenuItem::mnuStaticPressure, &Window::StaticPressureCalcImp, &Window::StaticPressureCalcMet},
    {MenuItem::mnuFlowRate, &Window::FlowRateCalcImp, &Window::FlowRateCalcMet},
    {MenuItem::mnuPlungerDisplacement, &Window::FlowRateCalcImp, &Window::FlowRateCalcMet},
    {MenuItem::mnuLoad, &Window::LoadCalcImp, &Window::LoadCalcMet},
    {MenuItem::mnuDiameterofPlunger, &Window::DiameterCalcImp, &Window::DiameterCalcMet},
    {MenuItem::mnuRatedLoadSpeed, &Window::SpeedUpCalcImp, &Window::SpeedUpCalcMet},
};

} // namespace

// The static pressure set-up runs during start-up before the window is shown, when the focus
// cannot be moved; FormLoaded tells it so.
void Window::Form_Load() {
    optImperial_Click();
    StaticPressure();
    FormLoaded = true;
}

void Window::Form_Unload() {
    FormLoaded = false;
}

void Window::cmdExit_Click() {
    Unload();
}

// Each checked item's method is called in turn; ImperialMode is read again before the metric
// pass.
void Window::cmdCalculate_Click() {
    if (ImperialMode)
        for (const auto &methods : kDispatch)
            if (checked(methods.item))
                (this->*methods.imperial)();
    if (!ImperialMode)
        for (const auto &methods : kDispatch)
            if (checked(methods.item))
                (this->*methods.metric)();
}

} // namespace liftcalc
