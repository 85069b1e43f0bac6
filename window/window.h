// SPDX-License-Identifier: MIT
// The calculator window, without any toolkit.
//
// Architecture: all that the window shows lives here, as the properties of its controls (the
// thirteen fields Text1, the labels Label1, the menu items, the option buttons) plus two flags.
// What is particular to each calculator is a row in calculators/ with a pure calculation; the
// window holds what all calculators share (the change rule, Clear All, set-up, the unit switch,
// the dispatch of Calculate and the failure path) and applies a calculation's writes one by one
// through its own field writes, so that every write raises Text1_Change inside it, exactly as
// typing does.
//
// A front end reports what a person does (clickField, editField, click, pressTab, ...; or one
// Action through perform() in window/actions.h) and mirrors every change it is told of through
// `changed`. Message boxes and the end of the window go through WindowHost, which the front end
// provides. The field checks window is the window's own: it opens it (one at a time), reports
// that through `changed`, and closes it when it closes. The handlers and the program's writes
// to the controls are private.
//
// The handler, control and variable names are the window's published names, used as they are
// by everyone who works with the calculator, and kept exactly so here.
#pragma once

#include "calculators/calculator.h"
#include "calculators/message_box.h"
#include "calculators/numeric.h"
#include "window/change.h"
#include "window/checks_window.h"
#include "window/controls.h"
#include "window/menus.h"
#include "window/option_button.h"
#include "window/record_host.h"
#include "window/record_window.h"
#include "window/secondary.h"
#include "window/signal.h"
#include "window/text_box.h"

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace liftcalc {

// What the window needs from the program around it: message boxes (its own and, unless a front
// end gives them boxes of their own, the field checks and test record windows'), the record
// window's files, and the end of the program.
class WindowHost : public RecordHost {
public:
    // The window has been unloaded; the program ends.
    virtual void windowUnloaded() {}
};

struct Label {
    std::string Caption;
    std::string ToolTipText;
};

class Window {
public:
    Window(WindowHost &host, NumberFormat format);
    Window(const Window &) = delete;
    Window &operator=(const Window &) = delete;

    // --- What a person does -------------------------------------------------------------
    // Creates the window's working state (Form_Load), shows it and gives the focus to the first
    // control in tab order that can take it.
    void start();
    // Clicks into a field: it takes the focus and Text1_GotFocus runs. A hidden field cannot be
    // reached: false, nothing happens.
    bool clickField(int index);
    // A person's edit of a field's text, leaving the caret at caretAt with nothing selected.
    // A locked field refuses it: false.
    bool editField(int index, std::string_view text, int caretAt);
    // Selects part of a field's text with the mouse or keyboard; raises nothing.
    void selectInField(int index, int start, int length);
    // Clicks a command button or an option button: it takes the focus, then its click runs.
    void click(ControlId control);
    void pressTab(bool backwards);
    // An arrow key, either way: on the selected option button it chooses the other one, as in
    // any option group, exactly as clicking it would; anywhere else the window itself does
    // nothing.
    void pressArrow(bool forwards);
    void pressEnter();
    void pressEscape();
    // Chooses a menu item with the mouse or its shortcut; the focus does not move.
    void chooseMenu(MenuItem item);
    void closeFromTitleBar();

    // --- What the window shows ----------------------------------------------------------
    const Field &Text1(int index) const { return fields_.at(index); }
    // The texts of all thirteen fields, as a calculation reads them; the views hold until a
    // field's text changes.
    FieldTexts texts() const;
    const Label &Label1(int index) const { return labels_.at(index); }
    bool checked(MenuItem item) const { return menuChecked_[static_cast<int>(item)]; }
    const OptionButton &optImperial() const { return options_[0]; }
    const OptionButton &optMetric() const { return options_[1]; }
    std::optional<ControlId> focus() const { return focus_; }
    bool imperialMode() const { return ImperialMode; }
    bool formLoaded() const { return FormLoaded; }
    bool loaded() const { return loaded_; }
    const NumberFormat &numberFormat() const { return format_; }
    // The field checks window while it is open; a front end keeps the model it shows.
    ChecksWindow *fieldChecks() const { return checks_.get(); }
    std::shared_ptr<ChecksWindow> sharedFieldChecks() const { return checks_.shared(); }
    // The test record window while it is open; a front end keeps the model it shows.
    RecordWindow *testRecord() const { return record_.get(); }
    std::shared_ptr<RecordWindow> sharedTestRecord() const { return record_.shared(); }

    Signal<Change> changed;

private:
    // Tests of the shared mechanics reach the handlers and program writes through this.
    friend class WindowMechanics;

    // --- Program writes: what handler code does to the controls -------------------------
    // Raises Text1_Change inside the write when the text differs; the caret goes to the start.
    void setText(int index, std::string_view text);
    void setVisible(int index, bool visible);
    void setLocked(int index, bool locked);
    void setTabStop(int index, bool tabStop);
    void setBackColor(int index, Colour colour);
    void setLeft(int index, int left);
    void setCaption(int label, std::string_view caption);
    void setToolTipText(int label, std::string_view text);
    void setChecked(MenuItem item, bool checked);
    // Selects the button and clears the other; raises its click if it was not selected.
    void setOptionValue(ControlId option, bool value);
    void setOptionForeColor(ControlId option, Colour colour);
    void setOptionFontBold(ControlId option, bool bold);
    // The handlers' request to move the focus to a field: met only for a visible field of a
    // shown window, and then raises Text1_GotFocus, as the published name promises.
    void SetFocus(int index);
    void showMessage(const MessageBox &box);
    void Unload();

    // --- Handlers: start-up, shutdown and dispatch --------------------------------------
    void Form_Load();
    void Form_Unload();
    void cmdCalculate_Click();
    void cmdExit_Click();

    // --- Handlers: field editing, locking and answer clearing ---------------------------
    void Text1_Change(int index);
    void Text1_GotFocus(int index);
    void TextSelected();
    void ClearSelectedAnswers();
    void ClearLocks();
    void cmdClear_Click();
    void ClearAllChecks();
    void ResetThings();

    // --- Handlers: units and the conversion chart ---------------------------------------
    void optImperial_Click();
    void optMetric_Click();
    void mnuImperial_Click();
    void mnuMetric_Click();
    void mnuConversions_Click();
    // Opens the field checks window: at first in this window's unit system, later as it was
    // left. This window's diameter and number of plungers, where they are numbers, fill its
    // empty ones; this window does not change.
    void mnuFieldChecks_Click();
    // Adds the current calculation to the test record when it was calculated and not refused,
    // else says why not; the record window is not shown for it.
    void mnuAddToTestRecord_Click();
    // Opens the test record window, or brings the open one forward.
    void mnuTestRecord_Click();
    // The record window, opened unseen when it is not open, which the entries go to.
    RecordWindow &openRecord();

    // --- The calculators, each one row of calculators/ ----------------------------------
    // A calculator's menu handler (mnuStaticPressure_Click and the others): start from an empty
    // window, check the item, clear its answers, set it up.
    void chooseCalculator(const Calculator &calculator);
    // A calculator's set-up method (StaticPressure, FlowRate, Load, DiameterOfPlunger,
    // RatedLoadSpeed): arranges the fields for it in the current unit system.
    void setUp(const Calculator &calculator);
    // A calculation method (StaticPressureCalcImp ... SpeedUpCalcMet): applies the writes of
    // the calculation, then the failure path if it refused.
    void calculate(const Calculator &calculator, UnitSystem units);
    bool isCurrent(const Calculator &calculator) const { return checked(menuItemOf(calculator)); }

    Field &field(int index) { return fields_.at(index); }
    OptionButton &option(ControlId id) { return options_[id == ControlId::optImperial ? 0 : 1]; }
    void notify(const Change &change) { changed.send(change); }
    void notifyField(int index, FieldChanged::Property property) {
        notify(FieldChanged{index, property});
    }
    // Only moves the focus to any control, or away from all, and tells the front ends: no
    // check and no handler. SetFocus and a person's clicks and keys build on it.
    void moveFocusOnly(std::optional<ControlId> control);
    bool canTab(ControlId control) const;
    // Both option buttons' click: the same steps, for one unit system or the other.
    void selectUnits(bool imperial);

    WindowHost &host_;
    NumberFormat format_;
    std::array<Field, kFieldCount> fields_;
    std::array<Label, kLabelCount> labels_;
    std::array<bool, kMenuItemCount> menuChecked_{};
    std::array<OptionButton, 2> options_;
    std::optional<ControlId> focus_;
    bool shown_ = false;
    bool loaded_ = true;
    Secondary<ChecksWindow> checks_;
    Secondary<RecordWindow> record_;

    // The window's two variables.
    bool ImperialMode = false;
    bool FormLoaded = false;
};

} // namespace liftcalc
