// SPDX-License-Identifier: MIT
// The constants of the calculations, for the calculators and the field checks alike.
#pragma once

namespace liftcalc {

// Constants exactly as the calculators use them. The two factors of a pair are separate
// figures, not reciprocals of each other.
namespace factors {
constexpr double pi = 3.14159;
constexpr double barPerPsi = 0.06895;
constexpr double psiPerBar = 14.5038;
constexpr double mmPerInch = 25.4;
constexpr double inchPerMm = 0.03937;
constexpr double kgPerPound = 0.45359;
constexpr double poundPerKg = 2.2046;
constexpr double barMm2PerKg = 98.0665; // bars times square millimetres per kilogram-force
constexpr double cubicInchPerGallon = 231;
constexpr double inchPerFoot = 12;
constexpr double mm2MetrePerLitre = 1000;
constexpr double mpsPerFpm = 0.00508;
constexpr double fpmPerMps = 196.85;
constexpr double lpsPerGpm = 0.06309;
constexpr double gpmPerLps = 15.8503;
// The field checks' own, each direction its own constant too.
constexpr double metrePerFoot = 0.3048;
constexpr double footPerMetre = 3.28084;
constexpr double litrePerGallon = 3.78541;
constexpr double gallonPerLitre = 0.264172;
constexpr double kwPerHp = 0.7457;
constexpr double hpPerKw = 1.34102;
} // namespace factors

} // namespace liftcalc
