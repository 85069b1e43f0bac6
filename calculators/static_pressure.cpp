// SPDX-License-Identifier: MIT
// Static pressure: the load divided by the total cross-section of all plungers.
//   inputs: diameter (0 in / 6 mm), number of plungers (1), load (2 lb / 7 kg)
//   answer: pressure (3 psi / 8 bar)
#include "calculators/calculation.h"
#include "calculators/set_up.h"

namespace liftcalc {
namespace {
constexpr std::string_view kFailureTitle = "Static Pressure";
} // namespace

void Window::mnuStaticPressure_Click() {
    chooseCalculator(MenuItem::mnuStaticPressure, &Window::StaticPressure);
}

// Also runs during start-up, before the window is shown: only a loaded window moves the focus.
void Window::StaticPressure() {
    ClearLocks();
    showOnly(*this, {0, 2, 3, 6, 7, 8});
    setCaption(kHeadingLabel, "Static Pressure Calculator");
    lockAnswers(*this, {3, 8});
    lockEquivalents(*this, {6, 7}, {0, 2});
    if (FormLoaded)
        SetFocus(ImperialMode ? 0 : 6);
}

// The diameter is tested first: a negative one would otherwise give a pressure from its square
// and a negative millimetre figure.
void Window::StaticPressureCalcImp() {
    runCalculation(*this, kFailureTitle, {0, 1, 2}, [](Calculation &c) {
        using namespace factors;
        c.wholeNumberOfPlungers();
        c.require(c.positive(0));
        c.require(c.positive(2));
        c.require(c.wholeNumber(1));

        const double load = c.value(2);
        const double diameter = c.value(0);
        const double plungers = c.value(1);
        const double area = c.totalArea(diameter, plungers);
        const double psi = c.rounded(c.checked(load / area));

        c.writeAnswer(7, c.value(2) * kgPerPound);
        c.writeAnswer(6, c.value(0) * mmPerInch);
        c.writePlain(3, psi);
        // The bar figure comes from the displayed, rounded psi answer.
        c.writeAnswer(8, c.value(3) * barPerPsi);
    });
}

void Window::StaticPressureCalcMet() {
    runCalculation(*this, kFailureTitle, {6, 1, 7}, [](Calculation &c) {
        using namespace factors;
        c.wholeNumberOfPlungers();
        c.require(c.positive(6));
        c.require(c.positive(7));
        c.require(c.wholeNumber(1));

        const double load = c.value(7);
        const double diameter = c.value(6);
        const double plungers = c.value(1);
        const double area = c.totalArea(diameter, plungers);
        const double kgfPerMm2 = c.checked(load / area);
        const double bar = c.rounded(c.checked(kgfPerMm2 * barMm2PerKg));

        c.writeAnswer(2, c.value(7) * poundPerKg);
        c.writeAnswer(0, c.value(6) * inchPerMm);
        c.writePlain(8, bar);
        // The psi figure comes from the displayed, rounded bar answer.
        c.writeAnswer(3, c.value(8) * psiPerBar);
    });
}

} // namespace liftcalc
