// SPDX-License-Identifier: MIT
#include "calculators/set_up.h"

#include <algorithm>

namespace liftcalc {

void showOnly(Window &window, std::initializer_list<int> visibleFields) {
    for (int i = 0; i < kFieldCount; ++i)
        if (i != 1)
            window.setVisible(i, std::find(visibleFields.begin(), visibleFields.end(), i) !=
                                     visibleFields.end());
}

void lockAnswers(Window &window, std::initializer_list<int> fields) {
    for (int i : fields)
        window.setBackColor(i, colours::yellow);
    for (int i : fields)
        window.setTabStop(i, false);
    for (int i : fields)
        window.setLocked(i, true);
}

void lockEquivalents(Window &window, std::initializer_list<int> whenImperial,
                     std::initializer_list<int> whenMetric) {
    const auto fields = window.imperialMode() ? whenImperial : whenMetric;
    for (int i : fields)
        window.setLocked(i, true);
    for (int i : fields)
        window.setTabStop(i, false);
    for (int i : fields)
        window.setBackColor(i, colours::yellow);
}

} // namespace liftcalc
