// SPDX-License-Identifier: MIT
// Load on plunger(s): the static pressure times the total area of all plungers.
//   inputs: diameter (in / mm), number of plungers, pressure (psi / bar)
//   answer: load (lb / kg)
#include "calculators/calculators.h"

namespace liftcalc {
namespace {

using namespace fields;
using namespace factors;

// Unlike the other calculators, this one asks for a diameter of at least one whole unit.
void LoadCalcImp(Calculation &c) {
    c.wholeNumberOfPlungers();
    c.test(pressurePsi);
    c.test(plungers);
    c.test(diameterIn);

    const double diameter = c.value(diameterIn);
    const double plungerCount = c.value(plungers);
    const double psi = c.value(pressurePsi);
    const double area = c.totalArea(diameter, plungerCount);
    const double pounds = c.rounded(c.checked(psi * area));

    c.writeAnswer(pressureBar, psi * barPerPsi);
    c.writeAnswer(diameterMm, diameter * mmPerInch);
    c.writeAnswer(loadLb, pounds);
    // The kilogram figure comes from the displayed, rounded pound answer.
    c.writeAnswer(loadKg, c.value(loadLb) * kgPerPound);
}

void LoadCalcMet(Calculation &c) {
    c.wholeNumberOfPlungers();
    c.test(pressureBar);
    c.test(plungers);
    c.test(diameterMm);

    const double diameter = c.value(diameterMm);
    const double plungerCount = c.value(plungers);
    const double bar = c.value(pressureBar);
    const double area = c.totalArea(diameter, plungerCount);
    const double kilograms = c.rounded(c.checked(c.checked(bar * area) / barMm2PerKg));

    c.writeAnswer(pressurePsi, bar * psiPerBar);
    c.writeAnswer(diameterIn, diameter * inchPerMm);
    c.writeAnswer(loadKg, kilograms);
    // The pound figure comes from the displayed, rounded kilogram answer.
    c.writeAnswer(loadLb, c.value(loadKg) * poundPerKg);
}

constexpr int kShown[] = {diameterIn, loadLb, pressurePsi, diameterMm, loadKg, pressureBar};
constexpr int kAnswers[] = {loadLb, loadKg};
constexpr Input kInputs[] = {
    {&quantityNamed("diameter"), Rule::atLeastOne},
    {&quantityNamed("plungers"), Rule::wholeNumber},
    {&quantityNamed("pressure"), Rule::aboveZero},
};
constexpr int kImperialEquivalents[] = {diameterMm, pressureBar};
constexpr int kMetricEquivalents[] = {diameterIn, pressurePsi};

} // namespace

const Calculator calculators::loadOnPlungers{
    .menu = {"mnuLoad", "&Load on Plunger(s)", "Ctrl+L"},
    .command = "load",
    .title = "Load on plunger(s)",
    .heading = "Load On Plunger(s) Calculator",
    .failureTitle = "Load On Plunger(s)",
    .shownFields = kShown,
    .answers = kAnswers,
    .inputs = kInputs,
    .imperial = {kImperialEquivalents, &LoadCalcImp},
    .metric = {kMetricEquivalents, &LoadCalcMet},
};

} // namespace liftcalc
