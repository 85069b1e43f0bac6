// SPDX-License-Identifier: MIT
// Load on plunger(s): the static pressure times the total area of all plungers.
//   inputs: diameter (0 in / 6 mm), number of plungers (1), pressure (3 psi / 8 bar)
//   answer: load (2 lb / 7 kg)
#include "calculators/calculation.h"
#include "calculators/set_up.h"

namespace liftcalc {
namespace {
constexpr std::string_view kFailureTitle = "Load On Plunger(s)";
} // namespace

void Window::mnuLoad_Click() {
    chooseCalculator(MenuItem::mnuLoad, &Window::Load);
}

void Window::Load() {
    ClearLocks();
    showOnly(*this, {0, 2, 3, 6, 7, 8});
    setCaption(kHeadingLabel, "Load On Plunger(s) Calculator");
    lockAnswers(*this, {2, 7});
    lockEquivalents(*this, {6, 8}, {0, 3});
    SetFocus(ImperialMode ? 0 : 6);
}

// Unlike the other calculators, this one asks for a diameter of at least one whole unit, and
// tests the number of plungers only for being above 0.
void Window::LoadCalcImp() {
    runCalculation(*this, kFailureTitle, {0, 1, 3}, [](Calculation &c) {
        using namespace factors;
        c.wholeNumberOfPlungers();
        c.require(c.positive(3));
        c.require(c.positive(1));
        c.require(c.wholeNumber(0));

        const double diameter = c.value(0);
        const double plungers = c.value(1);
        const double psi = c.value(3);
        const double area = c.totalArea(diameter, plungers);
        const double pounds = c.rounded(c.checked(psi * area));

        c.writeAnswer(8, psi * barPerPsi);
        c.writeAnswer(6, diameter * mmPerInch);
        c.writeAnswer(2, pounds);
        // The kilogram figure comes from the displayed, rounded pound answer.
        c.writeAnswer(7, c.value(2) * kgPerPound);
    });
}

void Window::LoadCalcMet() {
    runCalculation(*this, kFailureTitle, {6, 1, 8}, [](Calculation &c) {
        using namespace factors;
        c.wholeNumberOfPlungers();
        c.require(c.positive(8));
        c.require(c.positive(1));
        c.require(c.wholeNumber(6));

        const double diameter = c.value(6);
        const double plungers = c.value(1);
        const double bar = c.value(8);
        const double area = c.totalArea(diameter, plungers);
        const double kilograms = c.rounded(c.checked(c.checked(bar * area) / barMm2PerKg));

        c.writeAnswer(3, bar * psiPerBar);
        c.writeAnswer(0, diameter * inchPerMm);
        c.writeAnswer(7, kilograms);
        // The pound figure comes from the displayed, rounded kilogram answer.
        c.writeAnswer(2, c.value(7) * poundPerKg);
    });
}

} // namespace liftcalc
