// SPDX-License-Identifier: MIT
// Up speed at rated load: the flow rate divided by the volume all plungers displace per unit of
// travel.
//   inputs: diameter (0 in / 6 mm), number of plungers (1), flow rate (4 gpm / 9 l/s)
//   answer: up speed (11 ft/min / 12 m/s)
#include "calculators/calculation.h"
#include "calculators/set_up.h"

namespace liftcalc {
namespace {
constexpr std::string_view kFailureTitle = "Up Speed/Rated Load Calculator";
} // namespace

void Window::mnuRatedLoadSpeed_Click() {
    chooseCalculator(MenuItem::mnuRatedLoadSpeed, &Window::RatedLoadSpeed);
}

void Window::RatedLoadSpeed() {
    ClearLocks();
    showOnly(*this, {0, 4, 6, 9, 11, 12});
    setCaption(kHeadingLabel, "Up Speed/Rated Load Calculator");
    lockAnswers(*this, {11, 12});
    lockEquivalents(*this, {6, 9}, {0, 4});
    SetFocus(ImperialMode ? 0 : 6);
}

// All three inputs are tested before the failure path is taken; the displacement is used
// unrounded.
void Window::SpeedUpCalcImp() {
    runCalculation(*this, kFailureTitle, {0, 1, 4}, [](Calculation &c) {
        using namespace factors;
        c.wholeNumberOfPlungers();
        c.require(c.positive(0) & (c.lenient(1) >= 1) & c.positive(4));

        const double diameter = c.value(0);
        const double radiusSquared = c.squared(c.checked(diameter / 2));
        const double gallonsPerFoot =
            c.checked(c.checked(c.checked(radiusSquared * pi) / cubicInchPerGallon) * inchPerFoot);
        const double gpm = c.value(4);
        const double fpm = c.checked(gpm / c.checked(c.value(1) * gallonsPerFoot));

        c.writeAnswer(11, fpm);
        c.writeAnswer(9, c.value(4) * lpsPerGpm);
        c.writeAnswer(6, c.value(0) * mmPerInch);
        // The metric speed comes from the displayed, rounded feet per minute.
        c.writeAnswer(12, c.value(11) * mpsPerFpm);
    });
}

void Window::SpeedUpCalcMet() {
    runCalculation(*this, kFailureTitle, {6, 1, 9}, [](Calculation &c) {
        using namespace factors;
        c.wholeNumberOfPlungers();
        c.require(c.positive(6) & (c.lenient(1) >= 1) & c.positive(9));

        const double diameter = c.value(6);
        const double radiusSquared = c.squared(c.checked(diameter / 2));
        const double litresPerMetre = c.checked(c.checked(radiusSquared * pi) / mm2MetrePerLitre);
        const double lps = c.value(9);
        const double mps = c.checked(lps / c.checked(c.value(1) * litresPerMetre));

        c.writeAnswer(12, mps);
        // The imperial speed comes from the displayed, rounded metres per second.
        c.writeAnswer(11, c.value(12) * fpmPerMps);
        c.writeAnswer(4, c.value(9) * gpmPerLps);
        c.writeAnswer(0, c.value(6) * inchPerMm);
    });
}

} // namespace liftcalc
