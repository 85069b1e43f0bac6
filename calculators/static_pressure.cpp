// SPDX-License-Identifier: MIT
// Static pressure: the load divided by the total cross-section of all plungers.
//   inputs: diameter (in / mm), number of plungers, load (lb / kg)
//   answer: pressure (psi / bar)
#include "calculators/calculators.h"

namespace liftcalc {
namespace {

using namespace fields;
using namespace factors;

// The diameter is tested first: a negative one would otherwise give a pressure from its square
// and a negative millimetre figure.
void StaticPressureCalcImp(Calculation &c) {
    c.wholeNumberOfPlungers();
    c.test(diameterIn);
    c.test(loadLb);
    c.test(plungers);

    const double load = c.value(loadLb);
    const double diameter = c.value(diameterIn);
    const double plungerCount = c.value(plungers);
    const double area = c.totalArea(diameter, plungerCount);
    const double psi = c.rounded(c.checked(load / area));

    c.writeAnswer(loadKg, c.value(loadLb) * kgPerPound);
    c.writeAnswer(diameterMm, c.value(diameterIn) * mmPerInch);
    c.writePlain(pressurePsi, psi);
    // The bar figure comes from the displayed, rounded psi answer.
    c.writeAnswer(pressureBar, c.value(pressurePsi) * barPerPsi);
}

void StaticPressureCalcMet(Calculation &c) {
    c.wholeNumberOfPlungers();
    c.test(diameterMm);
    c.test(loadKg);
    c.test(plungers);

    const double load = c.value(loadKg);
    const double diameter = c.value(diameterMm);
    const double plungerCount = c.value(plungers);
    const double area = c.totalArea(diameter, plungerCount);
    const double kgfPerMm2 = c.checked(load / area);
    const double bar = c.rounded(c.checked(kgfPerMm2 * barMm2PerKg));

    c.writeAnswer(loadLb, c.value(loadKg) * poundPerKg);
    c.writeAnswer(diameterIn, c.value(diameterMm) * inchPerMm);
    c.writePlain(pressureBar, bar);
    // The psi figure comes from the displayed, rounded bar answer.
    c.writeAnswer(pressurePsi, c.value(pressureBar) * psiPerBar);
}

constexpr int kShown[] = {diameterIn, loadLb, pressurePsi, diameterMm, loadKg, pressureBar};
constexpr int kAnswers[] = {pressurePsi, pressureBar};
constexpr Input kInputs[] = {
    {&quantityNamed("diameter"), Rule::aboveZero},
    {&quantityNamed("plungers"), Rule::wholeNumber},
    {&quantityNamed("load"), Rule::aboveZero},
};
constexpr int kImperialEquivalents[] = {diameterMm, loadKg};
constexpr int kMetricEquivalents[] = {diameterIn, loadLb};
} // namespace

const Calculator calculators::staticPressure{
    .menu = {"mnuStaticPressure", "&Static Pressure", "Ctrl+S"},
    .command = "pressure",
    .title = "Static pressure",
    .heading = "Static Pressure Calculator",
    .failureTitle = "Static Pressure",
    .shownFields = kShown,
    .answers = kAnswers,
    .inputs = kInputs,
    .imperial = {kImperialEquivalents, &StaticPressureCalcImp},
    .metric = {kMetricEquivalents, &StaticPressureCalcMet},
};

} // namespace liftcalc
