// SPDX-License-Identifier: MIT
// Field editing, locking and answer clearing: the change rule that keeps typed inputs and the
// answers computed from them consistent, Clear All, and the selection of a focused field's text.
#include "window/window.h"

#include "calculators/utf8_text.h"

#include <algorithm>

namespace liftcalc {

// The change rule: a change in an open (white) field empties the current calculator's answers
// and the same quantity in the other column. Writes into locked fields clear nothing, which is
// what lets a calculation write its answers one after another.
void Window::Text1_Change(int index) {
    if (index < 0 || index >= kFieldCount || Text1(index).BackColor != colours::white)
        return;
    ClearSelectedAnswers();
    if (auto counterpart = kFields[index].counterpart)
        setText(*counterpart, "");
}

void Window::Text1_GotFocus(int) {
    TextSelected();
}

// Selects the whole text of the focused field, so that the next keystroke replaces it.
void Window::TextSelected() {
    if (!focus_ || !isField(*focus_))
        return;
    const int index = fieldIndex(*focus_);
    selectInField(index, 0, utf16Length(Text1(index).Text));
}

// Each current calculator empties its answers in both columns.
void Window::ClearSelectedAnswers() {
    ResetThings();
    for (const Calculator *calculator : calculators::kArrangingOrder)
        if (isCurrent(*calculator))
            for (int index : calculator->answers)
                setText(index, "");
}

// Opens every field, one property at a time over all fields.
void Window::ClearLocks() {
    for (int i = 0; i < kFieldCount; ++i)
        setLocked(i, false);
    for (int i = 0; i < kFieldCount; ++i)
        setTabStop(i, true);
    for (int i = 0; i < kFieldCount; ++i)
        setBackColor(i, colours::white);
}

void Window::cmdClear_Click() {
    for (int i = 0; i < kFieldCount; ++i)
        setText(i, "");
    // The focus goes back to the number of plungers where a calculator starts from it (the
    // plunger diameter), else to the diameter of the column the option buttons show.
    const bool plungersFirst =
        std::any_of(calculators::kAll.begin(), calculators::kAll.end(), [this](auto *c) {
            return isCurrent(*c) && c->inputField(0, UnitSystem::imperial) == fields::plungers;
        });
    if (plungersFirst) {
        SetFocus(fields::plungers);
    } else {
        if (optImperial().Value)
            SetFocus(fields::diameterIn);
        if (optMetric().Value)
            SetFocus(fields::diameterMm);
    }
    ResetThings();
}

// Unchecks every calculator item; only the current one was checked.
void Window::ClearAllChecks() {
    for (const auto &menu : kMenus)
        if (menu.calculator)
            setChecked(menu.item, false);
    cmdClear_Click();
    ResetThings();
}

void Window::ResetThings() {
    setToolTipText(kDisplacementLabel, kOnePlungerTip);
}

} // namespace liftcalc
