// SPDX-License-Identifier: MIT
#include "window/checks_window.h"

#include "record/words.h"
#include "window/record_entries.h"
#include "window/tab_order.h"

#include <limits>
#include <span>

namespace liftcalc {

ChecksWindow::ChecksWindow(MessageHost &host, NumberFormat format, UnitSystem units)
    : openedWith_(host), host_(&host), format_(std::move(format)), units_(units) {
    // Every field starts hidden and open, until the first check sets it up.
    for (Field &f : fields_) {
        f.Visible = false;
        f.BackColor = colours::white;
    }
    setUp();
    focusFirstInput();
}

CheckField ChecksWindow::typedField(int row) const {
    const bool both = check().row(row).units->bothSystems();
    return {row, both && !imperial()};
}

// The chosen check's rows are shown; an input is open in the chosen column and its other field
// locked; answers are locked in both.
void ChecksWindow::setUp() {
    for (int row = 0; row < kMostCheckRows; ++row) {
        const bool shown = row < check().rowCount();
        const bool both = shown && check().row(row).units->bothSystems();
        for (const bool metric : {false, true}) {
            const CheckField field{row, metric};
            setVisible(field, shown && (both || !metric));
            setLocked(field, !inputRow(row) || !(field == typedField(row)));
        }
    }
}

// A check picked from the chooser's list starts with the figures it shares with the checks
// before it and every other field empty, and the focus in its first input.
void ChecksWindow::chooseCheck(int index) {
    if (!open_ || index < 0 || index >= static_cast<int>(checks::kAll.size()))
        return;
    showCheck(index);
    focusFirstInput();
}

void ChecksWindow::showCheck(int index) {
    if (index == checkIndex_)
        return;
    keepFigures();
    checkIndex_ = index;
    for (int slot = 0; slot < kChecksFieldCount; ++slot)
        setText(checkFieldAt(slot), "");
    changed.send(CheckChosen{});
    setUp();
    takeFigures();
    takeLiftFigures();
}

bool ChecksWindow::shown(CheckField field) const {
    return field.row >= 0 && field.row < kMostCheckRows && this->field(field).Visible;
}

bool ChecksWindow::clickField(CheckField field) {
    if (!open_ || !shown(field))
        return false;
    moveFocus(field);
    return true;
}

bool ChecksWindow::typeInto(CheckField field, std::string_view text) {
    if (!shown(field) || this->field(field).Locked || !clickField(field))
        return false;
    // The caret ends after the text, as after typing it.
    return editField(field, text, std::numeric_limits<int>::max());
}

bool ChecksWindow::editField(CheckField field, std::string_view text, int caretAt) {
    if (!open_ || !shown(field) || this->field(field).Locked)
        return false;
    TextEdit edit = typedText(text, caretAt);
    if (edit.text != this->field(field).Text) {
        setText(field, std::move(edit.text));
        applyChangeRule(field);
    }
    select(field, {edit.caret, 0});
    return true;
}

// The change rule: the answers and the edited row's equivalent no longer follow.
void ChecksWindow::applyChangeRule(CheckField edited) {
    for (int row = static_cast<int>(check().inputs.size()); row < check().rowCount(); ++row)
        for (const bool metric : {false, true})
            setText({row, metric}, "");
    setText({edited.row, !edited.metric}, "");
}

void ChecksWindow::selectInField(CheckField field, int start, int length) {
    if (!open_ || !shown(field))
        return;
    select(field, selectionWithin(this->field(field).Text, start, length));
}

void ChecksWindow::click(ChecksControl control) {
    if (!open_)
        return;
    moveFocus(control);
    switch (control) {
    case ChecksControl::chooser:
        break;
    case ChecksControl::optImperial:
        selectUnits(UnitSystem::imperial);
        break;
    case ChecksControl::optMetric:
        selectUnits(UnitSystem::metric);
        break;
    case ChecksControl::cmdCalculate:
        calculate();
        break;
    case ChecksControl::cmdClear:
        clear();
        break;
    case ChecksControl::cmdClose:
        close();
        break;
    case ChecksControl::cmdAddToRecord:
        addToRecord();
        break;
    }
}

std::vector<ChecksFocus> ChecksWindow::tabOrder() const {
    std::vector<ChecksFocus> order{ChecksControl::chooser, imperial() ? ChecksControl::optImperial
                                                                      : ChecksControl::optMetric};
    for (int row = 0; row < static_cast<int>(check().inputs.size()); ++row)
        order.push_back(typedField(row));
    for (auto control : {ChecksControl::cmdCalculate, ChecksControl::cmdAddToRecord,
                         ChecksControl::cmdClear, ChecksControl::cmdClose})
        order.push_back(control);
    return order;
}

void ChecksWindow::pressTab(bool backwards) {
    if (!open_)
        return;
    // From a control outside the order (the other option button) Tab goes on from the start.
    const auto order = tabOrder();
    if (const auto next = nextTabStop(std::span<const ChecksFocus>(order), std::optional(focus_),
                                      backwards, [](const ChecksFocus &) { return true; }))
        moveFocus(*next);
}

void ChecksWindow::pressEnter() {
    if (!open_)
        return;
    if (focus_ == ChecksFocus{ChecksControl::cmdClear})
        clear();
    else if (focus_ == ChecksFocus{ChecksControl::cmdAddToRecord})
        addToRecord();
    else if (focus_ == ChecksFocus{ChecksControl::cmdClose})
        close();
    else
        calculate();
}

void ChecksWindow::pressEscape() {
    close();
}

void ChecksWindow::pressArrow(bool forwards) {
    if (!open_)
        return;
    const int count = static_cast<int>(checks::kAll.size());
    if (focus_ == ChecksFocus{ChecksControl::chooser})
        showCheck((checkIndex_ + (forwards ? 1 : count - 1)) % count);
    else if (focus_ == ChecksFocus{ChecksControl::optImperial})
        click(ChecksControl::optMetric);
    else if (focus_ == ChecksFocus{ChecksControl::optMetric})
        click(ChecksControl::optImperial);
}

void ChecksWindow::close() {
    if (!open_)
        return;
    open_ = false;
    changed.send(ChecksClosed{});
}

void ChecksWindow::reopen() {
    if (open_)
        return;
    open_ = true;
    focusFirstInput();
}

// Choosing the other unit system keeps every text and sets the fields up again.
void ChecksWindow::selectUnits(UnitSystem units) {
    if (units == units_)
        return;
    units_ = units;
    changed.send(ChecksUnitsChanged{});
    setUp();
    focusFirstInput();
}

// A refusal shows the check's message and puts the focus into the input it names; otherwise
// the writes are made in their order, into locked fields, so they clear nothing.
void ChecksWindow::calculate() {
    const CheckOutcome outcome = evaluate(check(), units_, typedTexts(), format_);
    // The window names the first input to fix.
    if (const auto *refusals = std::get_if<CheckRefusals>(&outcome)) {
        const CheckRefusal &first = refusals->front();
        host_->showMessage({std::string(check().title), refusalText(check(), first, units_), 0});
        moveFocus(typedField(first.input.value_or(0)));
        return;
    }
    for (const CheckWrite &write : std::get<std::vector<CheckWrite>>(outcome))
        setText(write.field, write.text);
}

void ChecksWindow::clear() {
    for (int slot = 0; slot < kChecksFieldCount; ++slot)
        setText(checkFieldAt(slot), "");
    focusFirstInput();
}

// Only a check calculated and not refused goes into the record; otherwise the person is told.
void ChecksWindow::addToRecord() {
    if (!toRecord_)
        return;
    ShownEntry shown = shownEntry(*this);
    if (auto *entry = std::get_if<record::Entry>(&shown))
        toRecord_(std::move(*entry));
    else
        host_->showMessage(
            {std::string(record::words::kTitle), std::move(std::get<std::string>(shown)), 0});
}

void ChecksWindow::focusFirstInput() {
    moveFocus(typedField(0));
}

// A field that takes the focus has its whole text selected, so the next keystroke replaces it.
void ChecksWindow::moveFocus(ChecksFocus focus) {
    if (focus_ != focus) {
        focus_ = focus;
        changed.send(FocusMoved{});
    }
    if (const auto *field = std::get_if<CheckField>(&focus))
        select(*field, wholeText(this->field(*field).Text));
}

OptionButton ChecksWindow::unitOption(UnitSystem units) const {
    const bool chosen = units == units_;
    return {chosen, chosen ? colours::red : colours::black, chosen};
}

void ChecksWindow::notifyField(CheckField field, FieldChanged::Property property) {
    changed.send(FieldChanged{fieldSlot(field), property});
}

void ChecksWindow::setText(CheckField field, std::string text) {
    Field &f = state(field);
    if (f.Text == text)
        return;
    f.Text = std::move(text);
    f.SelStart = f.SelLength = 0;
    notifyField(field, FieldChanged::Property::Text);
}

void ChecksWindow::setVisible(CheckField field, bool visible) {
    if (assign(state(field).Visible, visible))
        notifyField(field, FieldChanged::Property::Visible);
}

void ChecksWindow::setLocked(CheckField field, bool locked) {
    Field &f = state(field);
    if (assign(f.Locked, locked))
        notifyField(field, FieldChanged::Property::Locked);
    if (assign(f.TabStop, !locked))
        notifyField(field, FieldChanged::Property::TabStop);
    if (assign(f.BackColor, locked ? colours::yellow : colours::white))
        notifyField(field, FieldChanged::Property::BackColor);
}

void ChecksWindow::select(CheckField field, TextSelection selection) {
    if (setSelection(state(field), selection))
        notifyField(field, FieldChanged::Property::Selection);
}

} // namespace liftcalc
