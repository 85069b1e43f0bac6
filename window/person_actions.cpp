// SPDX-License-Identifier: MIT
// What a person does to the window: clicks, typing, the keyboard and the menus.
#include "window/window.h"

#include "window/record_entries.h"
#include "window/tab_order.h"

#include <span>

namespace liftcalc {

void Window::start() {
    Form_Load();
    shown_ = true;
    // A shown window gives the focus to the first control in tab order that can take it.
    for (ControlId control : kTabOrder) {
        if (!canTab(control))
            continue;
        if (isField(control))
            SetFocus(fieldIndex(control));
        else
            moveFocusOnly(control);
        return;
    }
}

bool Window::clickField(int index) {
    if (!loaded_ || !Text1(index).Visible)
        return false;
    moveFocusOnly(fieldControl(index));
    Text1_GotFocus(index);
    return true;
}

bool Window::editField(int index, std::string_view text, int caretAt) {
    Field &f = field(index);
    if (!loaded_ || !f.Visible || f.Locked)
        return false;
    TextEdit edit = typedText(text, caretAt);
    f.SelStart = edit.caret;
    f.SelLength = 0;
    notifyField(index, FieldChanged::Property::Selection);
    if (f.Text == edit.text)
        return true;
    f.Text = std::move(edit.text);
    notifyField(index, FieldChanged::Property::Text);
    Text1_Change(index);
    return true;
}

void Window::selectInField(int index, int start, int length) {
    Field &f = field(index);
    if (setSelection(f, selectionWithin(f.Text, start, length)))
        notifyField(index, FieldChanged::Property::Selection);
}

void Window::click(ControlId control) {
    if (!loaded_)
        return;
    if (isField(control)) {
        clickField(fieldIndex(control));
        return;
    }
    moveFocusOnly(control);
    switch (control) {
    case ControlId::cmdCalculate:
        cmdCalculate_Click();
        break;
    case ControlId::cmdClear:
        cmdClear_Click();
        break;
    case ControlId::cmdExit:
        cmdExit_Click();
        break;
    case ControlId::optImperial:
    case ControlId::optMetric:
        // Choosing the selected button again only moves the focus.
        setOptionValue(control, true);
        break;
    }
}

bool Window::canTab(ControlId control) const {
    if (isField(control)) {
        const Field &f = Text1(fieldIndex(control));
        return f.Visible && f.TabStop;
    }
    // The two option buttons are one stop: the selected one, or the first when neither is.
    if (control == ControlId::optImperial)
        return optImperial().Value || !optMetric().Value;
    if (control == ControlId::optMetric)
        return optMetric().Value;
    return true;
}

void Window::pressTab(bool backwards) {
    if (!loaded_)
        return;
    const auto next = nextTabStop(std::span<const ControlId>(kTabOrder), focus_, backwards,
                                  [this](ControlId control) { return canTab(control); });
    if (!next)
        return;
    moveFocusOnly(*next);
    if (isField(*next))
        Text1_GotFocus(fieldIndex(*next));
}

void Window::pressArrow(bool) {
    if (!loaded_)
        return;
    if (focus_ == ControlId::optImperial)
        click(ControlId::optMetric);
    else if (focus_ == ControlId::optMetric)
        click(ControlId::optImperial);
}

void Window::pressEnter() {
    if (!loaded_)
        return;
    // A focused command button is pressed; anywhere else Enter presses the default button.
    if (focus_ == ControlId::cmdClear)
        cmdClear_Click();
    else if (focus_ == ControlId::cmdExit)
        cmdExit_Click();
    else
        cmdCalculate_Click();
}

void Window::pressEscape() {
    if (loaded_)
        cmdExit_Click();
}

void Window::chooseMenu(MenuItem item) {
    if (!loaded_)
        return;
    const MenuDesign &menu = menuDesign(item);
    if (menu.calculator)
        chooseCalculator(*menu.calculator);
    else if (item == MenuItem::mnuImperial)
        mnuImperial_Click();
    else if (item == MenuItem::mnuMetric)
        mnuMetric_Click();
    else if (item == MenuItem::mnuConversions)
        mnuConversions_Click();
    else if (item == MenuItem::mnuFieldChecks)
        mnuFieldChecks_Click();
    else if (item == MenuItem::mnuAddToTestRecord)
        mnuAddToTestRecord_Click();
    else if (item == MenuItem::mnuTestRecord)
        mnuTestRecord_Click();
}

void Window::mnuFieldChecks_Click() {
    const bool opening = !checks_.isOpen();
    ChecksWindow &checks =
        checks_.open(host_, format_, ImperialMode ? UnitSystem::imperial : UnitSystem::metric);
    // This window's plunger figures fill the checks' empty ones, in the checks' unit system.
    if (opening) {
        for (const auto &[figure, field] :
             {std::pair{Figure::plungerDiameter,
                        checks.imperial() ? fields::diameterIn : fields::diameterMm},
              std::pair{Figure::plungers, fields::plungers}})
            if (strictValue(Text1(field).Text, format_))
                checks.fillEmptyFigure(figure, Text1(field).Text);
        checks.setRecordTaker([this](record::Entry entry) { openRecord().add(std::move(entry)); });
        // The record made in this run, shown or not, lends its lift's figures.
        checks.setLiftSource([this]() -> const record::Lift * {
            const RecordWindow *made = record_.made();
            return made ? &made->record().lift : nullptr;
        });
        checks.takeLiftFigures();
    }
    notify(SecondaryShown{SecondaryWindow::fieldChecks});
}

void Window::mnuAddToTestRecord_Click() {
    for (const Calculator *calculator : calculators::kAll)
        if (isCurrent(*calculator)) {
            const UnitSystem units = ImperialMode ? UnitSystem::imperial : UnitSystem::metric;
            ShownEntry shown = shownEntry(*calculator, units, texts(), format_);
            if (auto *entry = std::get_if<record::Entry>(&shown))
                openRecord().add(std::move(*entry));
            else
                showMessage({std::string(record::words::kTitle), std::get<std::string>(shown), 0});
        }
}

void Window::mnuTestRecord_Click() {
    openRecord();
    notify(SecondaryShown{SecondaryWindow::testRecord});
}

RecordWindow &Window::openRecord() {
    return record_.open(host_, format_, ImperialMode ? UnitSystem::imperial : UnitSystem::metric);
}

void Window::closeFromTitleBar() {
    Unload();
}

} // namespace liftcalc
