// SPDX-License-Identifier: MIT
// Plunger diameter: the area of one plunger is the load shared by the plungers divided by the
// pressure; the diameter follows from that area.
//   inputs: number of plungers (1), load (2 lb / 7 kg), pressure (3 psi / 8 bar)
//   answer: diameter (0 in / 6 mm)
#include "calculators/calculation.h"
#include "calculators/set_up.h"

namespace liftcalc {
namespace {
constexpr std::string_view kFailureTitle = "Diameter of Plunger";
} // namespace

void Window::mnuDiameterofPlunger_Click() {
    chooseCalculator(MenuItem::mnuDiameterofPlunger, &Window::DiameterOfPlunger);
}

// The first input is the number of plungers, in both unit systems.
void Window::DiameterOfPlunger() {
    ClearLocks();
    showOnly(*this, {0, 2, 3, 6, 7, 8});
    setCaption(kHeadingLabel, "Diameter of Plunger Calculator");
    lockAnswers(*this, {0, 6});
    lockEquivalents(*this, {8, 7}, {3, 2});
    SetFocus(1);
}

// The pressure has no test of its own: 0 fails at the division, a negative pressure at the
// square root, and text that is no number at its conversion.
void Window::DiameterCalcImp() {
    runCalculation(*this, kFailureTitle, {1, 2, 3}, [](Calculation &c) {
        using namespace factors;
        c.wholeNumberOfPlungers();
        c.require(c.positive(2));
        c.require(c.wholeNumber(1));

        const double pounds = c.value(2);
        const double plungers = c.value(1);
        const double psi = c.value(3);
        const double perRadiusSquared = c.checked(c.checked(psi * plungers) * pi);
        const double radiusSquared = c.checked(pounds / perRadiusSquared);
        const double root = c.squareRoot(radiusSquared);
        const double inches = c.rounded(c.checked(root + root));

        c.writeAnswer(7, pounds * kgPerPound);
        c.writeAnswer(8, psi * barPerPsi);
        c.writePlain(0, inches);
        // The millimetre figure comes from the displayed, rounded inch answer.
        c.writeAnswer(6, c.value(0) * mmPerInch);
    });
}

void Window::DiameterCalcMet() {
    runCalculation(*this, kFailureTitle, {1, 7, 8}, [](Calculation &c) {
        using namespace factors;
        c.wholeNumberOfPlungers();
        c.require(c.positive(7));
        c.require(c.wholeNumber(1));

        const double kilograms = c.value(7);
        const double plungers = c.value(1);
        const double bar = c.value(8);
        const double barMm2 = c.checked(kilograms * barMm2PerKg);
        const double perRadiusSquared = c.checked(c.checked(bar * plungers) * pi);
        const double radiusSquared = c.checked(barMm2 / perRadiusSquared);
        const double root = c.squareRoot(radiusSquared);
        const double millimetres = c.rounded(c.checked(root + root));

        c.writeAnswer(2, kilograms * poundPerKg);
        c.writeAnswer(3, bar * psiPerBar);
        c.writePlain(6, millimetres);
        // The inch figure comes from the displayed, rounded millimetre answer.
        c.writeAnswer(0, c.value(6) * inchPerMm);
    });
}

} // namespace liftcalc
