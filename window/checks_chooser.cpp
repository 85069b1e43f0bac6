// SPDX-License-Identifier: MIT
// The chooser's keys besides the arrows, as a list answers them.
#include "window/checks_window.h"

#include <algorithm>

namespace liftcalc {
namespace {

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool startsWith(std::string_view title, std::string_view typed) {
    return typed.size() <= title.size() &&
           std::equal(typed.begin(), typed.end(), title.begin(),
                      [](char a, char b) { return lower(a) == lower(b); });
}

} // namespace

void ChecksWindow::pressChooserEnd(bool last) {
    if (open_ && focus_ == ChecksFocus{ChecksControl::chooser})
        showCheck(last ? static_cast<int>(checks::kAll.size()) - 1 : 0);
}

bool ChecksWindow::typeOnChooser(std::string_view typed) {
    if (!open_ || focus_ != ChecksFocus{ChecksControl::chooser} || typed.empty())
        return false;
    // "ppp" goes round the checks starting with p, as one p pressed three times would.
    const bool oneLetter = std::all_of(typed.begin(), typed.end(),
                                       [&](char c) { return lower(c) == lower(typed.front()); });
    const std::string_view wanted = oneLetter ? typed.substr(0, 1) : typed;
    const int count = static_cast<int>(checks::kAll.size());
    const int from = oneLetter ? 1 : 0;
    for (int step = from; step < from + count; ++step) {
        const int index = (checkIndex_ + step) % count;
        if (startsWith(checks::kAll[index]->title, wanted)) {
            showCheck(index);
            break;
        }
    }
    return true;
}

} // namespace liftcalc
