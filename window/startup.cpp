// SPDX-License-Identifier: MIT
// Start-up, shutdown and the dispatch of Calculate.
#include "window/window.h"

namespace liftcalc {

// The set-up of the calculator the window opens with (static pressure) runs during start-up
// before the window is shown, when the focus cannot be moved yet.
void Window::Form_Load() {
    optImperial_Click();
    setUp(*calculators::kOpening);
    FormLoaded = true;
}

void Window::Form_Unload() {
    FormLoaded = false;
}

void Window::cmdExit_Click() {
    Unload();
}

// Each current calculator's method is called in turn; ImperialMode is read again before the
// metric pass.
void Window::cmdCalculate_Click() {
    if (ImperialMode)
        for (const Calculator *calculator : calculators::kAll)
            if (isCurrent(*calculator))
                calculate(*calculator, UnitSystem::imperial);
    if (!ImperialMode)
        for (const Calculator *calculator : calculators::kAll)
            if (isCurrent(*calculator))
                calculate(*calculator, UnitSystem::metric);
}

} // namespace liftcalc
