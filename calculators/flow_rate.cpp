// SPDX-License-Identifier: MIT
// Flow rate and plunger displacement: two menu items, one body of work. Both compute the
// displacement of one plunger per unit of travel and the flow rate that gives an up speed; they
// differ in the heading and in the message box with the total displacement of several plungers.
//   inputs:  diameter (0 in / 6 mm), number of plungers (1), up speed (11 ft/min / 12 m/s)
//   answers: flow rate (4 gpm / 9 l/s), displacement of one plunger (5 gal/ft / 10 l/m)
#include "calculators/calculation.h"
#include "calculators/set_up.h"

namespace liftcalc {
namespace {

constexpr std::string_view kFailureTitle = "Flow Rate/Plunger Displacement";

double gallonsPerFoot(Calculation &c, double inches) {
    using namespace factors;
    const double radiusSquared = c.squared(c.checked(inches / 2));
    return c.rounded(
        c.checked(c.checked(c.checked(radiusSquared * pi) / cubicInchPerGallon) * inchPerFoot));
}

double litresPerMetre(Calculation &c, double millimetres) {
    using namespace factors;
    const double radiusSquared = c.squared(c.checked(millimetres / 2));
    return c.rounded(c.checked(c.checked(radiusSquared * pi) / mm2MetrePerLitre));
}

struct TotalWording {
    int firstField;             // the displacement in the calculation's own units
    std::string_view firstUnit; // " gallons per foot"
    int secondField;            // the displacement in the other units
    std::string_view secondUnit;
};

constexpr TotalWording kImperialTotal{5, " gallons per foot", 10, " liters per meter"};
constexpr TotalWording kMetricTotal{10, " liters per meter", 5, " gallons per foot"};

// For several plungers, the total displacement goes into the tooltip of the "Plunger
// Displacement:" caption, and the plunger displacement calculator also shows it in a box.
void reportTotalDisplacement(Calculation &c, const TotalWording &wording) {
    Window &w = c.window();
    if (c.value(1) <= 1) {
        w.setToolTipText(kDisplacementLabel, kDisplacementTip);
        return;
    }
    const std::string &plungers = w.Text1(1).Text;
    auto total = [&](int field) { return c.plain(c.checked(c.value(1) * c.value(field))); };

    w.setToolTipText(kDisplacementLabel,
                     std::string(" This is the displacement of one plunger...the ") +
                         "total displacement of the " + plungers + " plungers is " +
                         total(wording.firstField) + std::string(wording.firstUnit) + ". ( " +
                         total(wording.secondField) + std::string(wording.secondUnit) + " ) ");
    if (!w.checked(MenuItem::mnuPlungerDisplacement))
        return;
    w.showMessage(std::string("This is the displacement of one plunger...") + "\r\n" +
                      "the total displacement of the " + plungers + " plungers is " +
                      total(wording.firstField) + std::string(wording.firstUnit) + ". ( " +
                      total(wording.secondField) + std::string(wording.secondUnit) + " )",
                  0, "Plunger Displacement");
}

} // namespace

void Window::mnuFlowRate_Click() {
    chooseCalculator(MenuItem::mnuFlowRate, &Window::FlowRate);
}

void Window::mnuPlungerDisplacement_Click() {
    chooseCalculator(MenuItem::mnuPlungerDisplacement, &Window::FlowRate);
}

void Window::FlowRate() {
    ClearLocks();
    showOnly(*this, {0, 4, 5, 6, 9, 10, 11, 12});
    if (checked(MenuItem::mnuFlowRate))
        setCaption(kHeadingLabel, "Flow Rate Calculator");
    if (checked(MenuItem::mnuPlungerDisplacement))
        setCaption(kHeadingLabel, "Plunger Displacement Calculator");
    lockAnswers(*this, {4, 9, 5, 10});
    lockEquivalents(*this, {6, 12}, {0, 11});
    SetFocus(ImperialMode ? 0 : 6);
}

// The metric answers are computed from the displayed, rounded millimetre and metre-per-second
// equivalents, not from the unrounded conversions.
void Window::FlowRateCalcImp() {
    runCalculation(*this, kFailureTitle, {0, 1, 11}, [](Calculation &c) {
        using namespace factors;
        c.wholeNumberOfPlungers();
        c.require(c.positive(0) & (c.lenient(1) >= 1) & c.positive(11));

        const double inches = c.value(0);
        const double gpf = gallonsPerFoot(c, inches);
        const double gpm = c.checked(c.checked(c.value(11) * gpf) * c.value(1));
        c.writeAnswer(12, c.value(11) * mpsPerFpm);
        c.writeAnswer(6, inches * mmPerInch);
        const double lpm = litresPerMetre(c, c.value(6));
        c.writeAnswer(4, gpm);
        c.writeAnswer(10, lpm);
        c.writeAnswer(9, c.checked(c.value(12) * lpm) * c.value(1));
        c.writeAnswer(5, gpf);
        reportTotalDisplacement(c, kImperialTotal);
    });
}

// The imperial answers are computed from the displayed, rounded inch and feet-per-minute
// equivalents.
void Window::FlowRateCalcMet() {
    runCalculation(*this, kFailureTitle, {6, 1, 12}, [](Calculation &c) {
        using namespace factors;
        c.wholeNumberOfPlungers();
        c.require(c.positive(6) & (c.lenient(1) >= 1) & c.positive(12));

        const double millimetres = c.value(6);
        const double lpm = litresPerMetre(c, millimetres);
        const double lps = c.checked(c.checked(c.value(12) * lpm) * c.value(1));
        c.writeAnswer(11, c.value(12) * fpmPerMps);
        c.writeAnswer(0, millimetres * inchPerMm);
        const double gpf = gallonsPerFoot(c, c.value(0));
        c.writeAnswer(9, lps);
        c.writeAnswer(5, gpf);
        c.writeAnswer(4, c.checked(c.value(11) * gpf) * c.value(1));
        c.writeAnswer(10, lpm);
        reportTotalDisplacement(c, kMetricTotal);
    });
}

} // namespace liftcalc
