// SPDX-License-Identifier: MIT
// Up speed at rated load: the flow rate divided by the volume all plungers displace per unit of
// travel.
//   inputs: diameter (in / mm), number of plungers, flow rate (gpm / l/s)
//   answer: up speed (ft/min / m/s)
#include "calculators/calculators.h"

namespace liftcalc {
namespace {

using namespace fields;
using namespace factors;

// The displacement is used unrounded.
void SpeedUpCalcImp(Calculation &c) {
    c.wholeNumberOfPlungers();
    c.test(diameterIn);
    c.test(plungers);
    c.test(flowGpm);

    const double diameter = c.value(diameterIn);
    const double radiusSquared = c.squared(c.checked(diameter / 2));
    const double gallonsPerFoot =
        c.checked(c.checked(c.checked(radiusSquared * pi) / cubicInchPerGallon) * inchPerFoot);
    const double gpm = c.value(flowGpm);
    const double fpm = c.checked(gpm / c.checked(c.value(plungers) * gallonsPerFoot));

    c.writeAnswer(speedFpm, fpm);
    c.writeAnswer(flowLps, c.value(flowGpm) * lpsPerGpm);
    c.writeAnswer(diameterMm, c.value(diameterIn) * mmPerInch);
    // The metric speed comes from the displayed, rounded feet per minute.
    c.writeAnswer(speedMps, c.value(speedFpm) * mpsPerFpm);
}

void SpeedUpCalcMet(Calculation &c) {
    c.wholeNumberOfPlungers();
    c.test(diameterMm);
    c.test(plungers);
    c.test(flowLps);

    const double diameter = c.value(diameterMm);
    const double radiusSquared = c.squared(c.checked(diameter / 2));
    const double litresPerMetre = c.checked(c.checked(radiusSquared * pi) / mm2MetrePerLitre);
    const double lps = c.value(flowLps);
    const double mps = c.checked(lps / c.checked(c.value(plungers) * litresPerMetre));

    c.writeAnswer(speedMps, mps);
    // The imperial speed comes from the displayed, rounded metres per second.
    c.writeAnswer(speedFpm, c.value(speedMps) * fpmPerMps);
    c.writeAnswer(flowGpm, c.value(flowLps) * gpmPerLps);
    c.writeAnswer(diameterIn, c.value(diameterMm) * inchPerMm);
}

constexpr int kShown[] = {diameterIn, flowGpm, diameterMm, flowLps, speedFpm, speedMps};
constexpr int kAnswers[] = {speedFpm, speedMps};
constexpr Input kInputs[] = {
    {&quantityNamed("diameter"), Rule::aboveZero},
    {&quantityNamed("plungers"), Rule::wholeNumber},
    {&quantityNamed("flow"), Rule::aboveZero},
};
constexpr int kImperialEquivalents[] = {diameterMm, flowLps};
constexpr int kMetricEquivalents[] = {diameterIn, flowGpm};

} // namespace

const Calculator calculators::upSpeed{
    .menu = {"mnuRatedLoadSpeed", "&Up Speed/Rated Load", "Ctrl+U"},
    .command = "speed",
    .title = "Up speed at rated load",
    .heading = "Up Speed/Rated Load Calculator",
    .failureTitle = "Up Speed/Rated Load Calculator",
    .shownFields = kShown,
    .answers = kAnswers,
    .inputs = kInputs,
    .imperial = {kImperialEquivalents, &SpeedUpCalcImp},
    .metric = {kMetricEquivalents, &SpeedUpCalcMet},
};

} // namespace liftcalc
