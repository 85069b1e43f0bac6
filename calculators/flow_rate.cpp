// SPDX-License-Identifier: MIT
// Flow rate and plunger displacement: two menu items, one body of work. Both compute the
// displacement of one plunger per unit of travel and the flow rate that gives an up speed; they
// differ in the heading and in the message box with the total displacement of several plungers.
//   inputs:  diameter (in / mm), number of plungers, up speed (ft/min / m/s)
//   answers: flow rate (gpm / l/s), displacement of one plunger (gal/ft / l/m)
#include "calculators/calculators.h"

namespace liftcalc {
namespace {

using namespace fields;
using namespace factors;

constexpr std::string_view kFailureTitle = "Flow Rate/Plunger Displacement";

double gallonsPerFoot(Calculation &c, double inches) {
    const double radiusSquared = c.squared(c.checked(inches / 2));
    return c.rounded(
        c.checked(c.checked(c.checked(radiusSquared * pi) / cubicInchPerGallon) * inchPerFoot));
}

double litresPerMetre(Calculation &c, double millimetres) {
    const double radiusSquared = c.squared(c.checked(millimetres / 2));
    return c.rounded(c.checked(c.checked(radiusSquared * pi) / mm2MetrePerLitre));
}

struct TotalWording {
    int firstField;             // the displacement in the calculation's own units
    std::string_view firstUnit; // " gallons per foot"
    int secondField;            // the displacement in the other units
    std::string_view secondUnit;
};

constexpr TotalWording kImperialTotal{displacementGpf, " gallons per foot", displacementLpm,
                                      " liters per meter"};
constexpr TotalWording kMetricTotal{displacementLpm, " liters per meter", displacementGpf,
                                    " gallons per foot"};

enum class TotalBox { notShown, shown };

// For several plungers, the total displacement goes into the tooltip of the "Plunger
// Displacement:" caption, and the plunger displacement calculator also shows it in a box.
void reportTotalDisplacement(Calculation &c, const TotalWording &wording, TotalBox box) {
    if (c.value(plungers) <= 1) {
        c.setDisplacementTip(std::string(kOnePlungerTip));
        return;
    }
    const std::string count(c.text(plungers));
    auto total = [&](int field) { return c.checked(c.value(plungers) * c.value(field)); };
    const double first = total(wording.firstField);
    const double second = total(wording.secondField);
    const std::string figures = c.plain(first) + std::string(wording.firstUnit) + ". ( " +
                                c.plain(second) + std::string(wording.secondUnit);

    c.setDisplacementTip(std::string(" This is the displacement of one plunger...the ") +
                         "total displacement of the " + count + " plungers is " + figures + " ) ");
    const bool gallonsFirst = wording.firstField == displacementGpf;
    c.reportTotal({gallonsFirst ? first : second, gallonsFirst ? second : first});
    if (box == TotalBox::shown)
        c.showMessage({"Plunger Displacement",
                       std::string("This is the displacement of one plunger...") + "\r\n" +
                           "the total displacement of the " + count + " plungers is " + figures +
                           " )",
                       0});
}

// The metric answers are computed from the displayed, rounded millimetre and metre-per-second
// equivalents, not from the unrounded conversions.
void flowRateFromImperial(Calculation &c, TotalBox box) {
    c.wholeNumberOfPlungers();
    c.test(diameterIn);
    c.test(plungers);
    c.test(speedFpm);

    const double inches = c.value(diameterIn);
    const double gpf = gallonsPerFoot(c, inches);
    const double gpm = c.checked(c.checked(c.value(speedFpm) * gpf) * c.value(plungers));
    c.writeAnswer(speedMps, c.value(speedFpm) * mpsPerFpm);
    c.writeAnswer(diameterMm, inches * mmPerInch);
    const double lpm = litresPerMetre(c, c.value(diameterMm));
    c.writeAnswer(flowGpm, gpm);
    c.writeAnswer(displacementLpm, lpm);
    c.writeAnswer(flowLps, c.checked(c.value(speedMps) * lpm) * c.value(plungers));
    c.writeAnswer(displacementGpf, gpf);
    reportTotalDisplacement(c, kImperialTotal, box);
}

// The imperial answers are computed from the displayed, rounded inch and feet-per-minute
// equivalents.
void flowRateFromMetric(Calculation &c, TotalBox box) {
    c.wholeNumberOfPlungers();
    c.test(diameterMm);
    c.test(plungers);
    c.test(speedMps);

    const double millimetres = c.value(diameterMm);
    const double lpm = litresPerMetre(c, millimetres);
    const double lps = c.checked(c.checked(c.value(speedMps) * lpm) * c.value(plungers));
    c.writeAnswer(speedFpm, c.value(speedMps) * fpmPerMps);
    c.writeAnswer(diameterIn, millimetres * inchPerMm);
    const double gpf = gallonsPerFoot(c, c.value(diameterIn));
    c.writeAnswer(flowLps, lps);
    c.writeAnswer(displacementGpf, gpf);
    c.writeAnswer(flowGpm, c.checked(c.value(speedFpm) * gpf) * c.value(plungers));
    c.writeAnswer(displacementLpm, lpm);
    reportTotalDisplacement(c, kMetricTotal, box);
}

// One pair of methods serves both menu items; only plunger displacement shows the total in a box.
template <TotalBox box> void FlowRateCalcImp(Calculation &c) {
    flowRateFromImperial(c, box);
}

template <TotalBox box> void FlowRateCalcMet(Calculation &c) {
    flowRateFromMetric(c, box);
}

constexpr int kShown[] = {diameterIn, flowGpm,         displacementGpf, diameterMm,
                          flowLps,    displacementLpm, speedFpm,        speedMps};
constexpr int kAnswers[] = {flowGpm, flowLps, displacementGpf, displacementLpm};
constexpr Input kInputs[] = {
    {&quantityNamed("diameter"), Rule::aboveZero},
    {&quantityNamed("plungers"), Rule::wholeNumber},
    {&quantityNamed("speed"), Rule::aboveZero},
};
constexpr int kImperialEquivalents[] = {diameterMm, speedMps};
constexpr int kMetricEquivalents[] = {diameterIn, speedFpm};

} // namespace

const Calculator calculators::flowRate{
    .menu = {"mnuFlowRate", "&Flow Rate", "Ctrl+F"},
    .command = "flow",
    .title = "Flow rate",
    .heading = "Flow Rate Calculator",
    .failureTitle = kFailureTitle,
    .shownFields = kShown,
    .answers = kAnswers,
    .inputs = kInputs,
    .imperial = {kImperialEquivalents, &FlowRateCalcImp<TotalBox::notShown>},
    .metric = {kMetricEquivalents, &FlowRateCalcMet<TotalBox::notShown>},
};

const Calculator calculators::plungerDisplacement{
    .menu = {"mnuPlungerDisplacement", "&Plunger Displacement", "Ctrl+P"},
    .command = "displacement",
    .title = "Plunger displacement",
    .heading = "Plunger Displacement Calculator",
    .failureTitle = kFailureTitle,
    .shownFields = kShown,
    .answers = kAnswers,
    .inputs = kInputs,
    .imperial = {kImperialEquivalents, &FlowRateCalcImp<TotalBox::shown>},
    .metric = {kMetricEquivalents, &FlowRateCalcMet<TotalBox::shown>},
};

} // namespace liftcalc
