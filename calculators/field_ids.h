// SPDX-License-Identifier: MIT
// The thirteen fields by the quantity and unit each holds. Each value is the field's index in the
// window's field array, so it can stand wherever the window's own index is meant.
#pragma once

namespace liftcalc::fields {

constexpr int diameterIn = 0;
constexpr int plungers = 1; // shared by both unit systems
constexpr int loadLb = 2;
constexpr int pressurePsi = 3;
constexpr int flowGpm = 4;
constexpr int displacementGpf = 5;
constexpr int diameterMm = 6;
constexpr int loadKg = 7;
constexpr int pressureBar = 8;
constexpr int flowLps = 9;
constexpr int displacementLpm = 10;
constexpr int speedFpm = 11;
constexpr int speedMps = 12;

constexpr int count = 13;

} // namespace liftcalc::fields
