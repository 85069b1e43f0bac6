// SPDX-License-Identifier: MIT
// The steps a calculator's set-up takes to arrange the window for itself.
#pragma once

#include "window/window.h"

#include <initializer_list>

namespace liftcalc {

// Shows the fields listed and hides the others, in index order. The number of plungers is
// shared by every calculator and never hidden.
void showOnly(Window &window, std::initializer_list<int> visibleFields);

// Makes answer fields locked: yellow first, then out of the tab order, then locked.
void lockAnswers(Window &window, std::initializer_list<int> fields);

// Makes the other column's equivalents of the inputs locked: locked first, then out of the tab
// order, then yellow. Which column that is follows the unit system.
void lockEquivalents(Window &window, std::initializer_list<int> whenImperial,
                     std::initializer_list<int> whenMetric);

} // namespace liftcalc
