// SPDX-License-Identifier: MIT
// Speed from a timed run: the distance travelled over the seconds it took, and how far that is
// from the rated speed, as a share of it (negative when slower).
//   imperial: feet x 60 / seconds gives feet per minute
//   metric:   metres / seconds gives metres per second
#include "calculators/checks.h"

namespace liftcalc {
namespace {

constexpr CheckRow kInputs[] = {
    {"Distance", "distance", &units::foot},
    {"Time", "time", &units::seconds},
    {"Rated speed", "rated-speed", &units::speed},
};
constexpr CheckRow kAnswers[] = {
    {"Measured speed", "speed", &units::speed},
    {"Deviation from rated", "deviation", &units::percent},
};

std::variant<CheckAnswers, CheckRefusal> compute(const CheckInputs &in, UnitSystem units) {
    const double distance = in[0];
    const double seconds = in[1];
    const double rated = in[2];
    const double measured =
        units == UnitSystem::imperial ? distance * 60 / seconds : distance / seconds;
    return CheckAnswers{measured, (measured - rated) / rated * 100};
}

} // namespace

const Check checks::timedRun{
    "Speed from a timed run",
    "timed-run",
    kInputs,
    kAnswers,
    &compute,
    "speed = distance x 60 / time; deviation = (speed - rated-speed) / rated-speed x 100",
    "speed = distance / time; deviation = (speed - rated-speed) / rated-speed x 100",
    {"Distance: between two marks passed at full speed; time: by stopwatch.",
     "Speed = distance x 60 / time; deviation = (speed - rated) / rated x 100.",
     "Speed = distance / time; deviation = (speed - rated) / rated x 100."}};

} // namespace liftcalc
