// SPDX-License-Identifier: MIT
// Field editing, locking and answer clearing: the change rule that keeps typed inputs and the
// answers computed from them consistent, Clear All, and the selection of a focused field's text.
#include "window/menus.h"
#include "window/window.h"

#include <initializer_list>

namespace liftcalc {
namespace {

struct AnswerFields {
    MenuItem item;
    std::initializer_list<int> fields; // in the order they are emptied
};

// Tested in this order; each checked calculator empties its answers in both columns.
const AnswerFields kAnswerFields[] = {
    {MenuItem::mnuStaticPressure, {3, 8}},
    {MenuItem::mnuFlowRate, {4, 9, 5, 10}},
    {MenuItem::mnuLoad, {2, 7}},
    {MenuItem::mnuPlungerDisplacement, {4, 9, 5, 10}},
    {MenuItem::mnuDiameterofPlunger, {0, 6}},
    {MenuItem::mnuRatedLoadSpeed, {11, 12}},
};

} // namespace

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

void Window::ClearSelectedAnswers() {
    ResetThings();
    for (const auto &[item, answers] : kAnswerFields)
        if (checked(item))
            for (int index : answers)
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
    // The plunger diameter calculator's first input is the number of plungers.
    if (checked(MenuItem::mnuDiameterofPlunger)) {
        SetFocus(1);
    } else {
        if (optImperial().Value)
            SetFocus(0);
        if (optMetric().Value)
            SetFocus(6);
    }
    ResetThings();
}

void Window::ClearAllChecks() {
    for (MenuItem item : {MenuItem::mnuDiameterofPlunger, MenuItem::mnuFlowRate, MenuItem::mnuLoad,
                          MenuItem::mnuPlungerDisplacement, MenuItem::mnuRatedLoadSpeed,
                          MenuItem::mnuStaticPressure})
        setChecked(item, false);
    cmdClear_Click();
    ResetThings();
}

void Window::ResetThings() {
    setToolTipText(kDisplacementLabel, kDisplacementTip);
}

// Every calculator's menu handler: start from an empty window, check the item, set it up.
void Window::chooseCalculator(MenuItem item, void (Window::*setUp)()) {
    ClearAllChecks();
    setChecked(item, true);
    ClearSelectedAnswers();
    (this->*setUp)();
}

} // namespace liftcalc
