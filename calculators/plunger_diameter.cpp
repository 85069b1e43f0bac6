// SPDX-License-Identifier: MIT
// Plunger diameter: the area of one plunger is the load shared by the plungers divided by the
// pressure; the diameter follows from that area.
//   inputs: number of plungers, load (lb / kg), pressure (psi / bar)
//   answer: diameter (in / mm)
#include "calculators/calculators.h"

namespace liftcalc {
namespace {

using namespace fields;
using namespace factors;

// The pressure has no test of its own: 0 refuses at the division, a negative pressure at the
// square root, and text that is no number where it is read; its rule in the row is what a
// refusal reports.
void DiameterCalcImp(Calculation &c) {
    c.wholeNumberOfPlungers();
    c.test(loadLb);
    c.test(plungers);

    const double pounds = c.value(loadLb);
    const double plungerCount = c.value(plungers);
    const double psi = c.value(pressurePsi);
    const double perRadiusSquared = c.checked(c.checked(psi * plungerCount) * pi);
    const double radiusSquared = c.checked(pounds / perRadiusSquared);
    const double root = c.squareRoot(radiusSquared);
    const double inches = c.rounded(c.checked(root + root));

    c.writeAnswer(loadKg, pounds * kgPerPound);
    c.writeAnswer(pressureBar, psi * barPerPsi);
    c.writePlain(diameterIn, inches);
    // The millimetre figure comes from the displayed, rounded inch answer.
    c.writeAnswer(diameterMm, c.value(diameterIn) * mmPerInch);
}

void DiameterCalcMet(Calculation &c) {
    c.wholeNumberOfPlungers();
    c.test(loadKg);
    c.test(plungers);

    const double kilograms = c.value(loadKg);
    const double plungerCount = c.value(plungers);
    const double bar = c.value(pressureBar);
    const double barMm2 = c.checked(kilograms * barMm2PerKg);
    const double perRadiusSquared = c.checked(c.checked(bar * plungerCount) * pi);
    const double radiusSquared = c.checked(barMm2 / perRadiusSquared);
    const double root = c.squareRoot(radiusSquared);
    const double millimetres = c.rounded(c.checked(root + root));

    c.writeAnswer(loadLb, kilograms * poundPerKg);
    c.writeAnswer(pressurePsi, bar * psiPerBar);
    c.writePlain(diameterMm, millimetres);
    // The inch figure comes from the displayed, rounded millimetre answer.
    c.writeAnswer(diameterIn, c.value(diameterMm) * inchPerMm);
}

constexpr int kShown[] = {diameterIn, loadLb, pressurePsi, diameterMm, loadKg, pressureBar};
constexpr int kAnswers[] = {diameterIn, diameterMm};
// The first input is the number of plungers, in both unit systems.
constexpr Input kInputs[] = {
    {&quantityNamed("plungers"), Rule::wholeNumber},
    {&quantityNamed("load"), Rule::aboveZero},
    {&quantityNamed("pressure"), Rule::aboveZero},
};
constexpr int kImperialEquivalents[] = {pressureBar, loadKg};
constexpr int kMetricEquivalents[] = {pressurePsi, loadLb};

} // namespace

const Calculator calculators::plungerDiameter{
    .menu = {"mnuDiameterofPlunger", "&Diameter of Plunger(s)", "Ctrl+D"},
    .command = "diameter",
    .title = "Plunger diameter",
    .heading = "Diameter of Plunger Calculator",
    .failureTitle = "Diameter of Plunger",
    .shownFields = kShown,
    .answers = kAnswers,
    .inputs = kInputs,
    .imperial = {kImperialEquivalents, &DiameterCalcImp},
    .metric = {kMetricEquivalents, &DiameterCalcMet},
};

} // namespace liftcalc
