// SPDX-License-Identifier: MIT
// The calculator window, without any toolkit.
//
// Architecture: all that the window shows lives here, as the properties of its controls (the
// thirteen fields Text1, the labels Label1, the menu items, the option buttons) plus two flags.
// The handlers of the window (Form_Load, cmdCalculate_Click, Text1_Change, the menu handlers, the
// set-up and calculation method of each calculator) change those properties in a fixed order.
// Writing a field's text from code runs Text1_Change inside the write, exactly as typing does.
//
// Two kinds of callers use the class:
//  - a front end reports what a person does (typeInto, clickField, click, pressTab, pressEnter,
//    pressEscape, chooseMenu, closeFromTitleBar) and mirrors every change it is told of through
//    `changed` into real widgets;
//  - the handlers themselves, through the program writes (setText, setVisible, SetFocus...).
// Message boxes and the end of the window go through WindowHost, which the front end provides.
//
// The handler, control and variable names are the window's published names, used as they are
// by everyone who works with the calculator, and kept exactly so here.
#pragma once

#include "calculators/numeric.h"
#include "window/controls.h"
#include "window/signal.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace liftcalc {

struct MessageBox {
    std::string title;
    std::string prompt; // line breaks are CR LF pairs
    int buttons = 0;    // 0: one OK button, no icon
    bool operator==(const MessageBox &) const = default;
};

// What the window needs from the program around it.
class WindowHost {
public:
    virtual ~WindowHost() = default;
    // Shows a modal message box and returns when the user has closed it.
    virtual void showMessage(const MessageBox &box) = 0;
    // The window has been unloaded; the program ends.
    virtual void windowUnloaded() {}
};

enum class MenuItem : int {
    mnuCalculators,
    mnuDiameterofPlunger,
    mnuFlowRate,
    mnuLoad,
    mnuPlungerDisplacement,
    mnuStaticPressure,
    mnuRatedLoadSpeed,
    mnuUnits,
    mnuImperial,
    mnuMetric,
    mnuHelp,
    mnuConversions,
};
constexpr int kMenuItemCount = 12;

struct Field {
    std::string Text; // UTF-8
    bool Visible = true;
    bool Locked = false;
    bool TabStop = true;
    Colour BackColor = colours::windowBackground;
    int Left = 0;
    int SelStart = 0; // UTF-16 code units, as a desktop text box counts
    int SelLength = 0;
};

struct Label {
    std::string Caption;
    std::string ToolTipText;
};

struct OptionButton {
    bool Value = false;
    Colour ForeColor = colours::buttonText;
    bool FontBold = false;
};

// One property of one control has changed; the front end reads the new value from the window.
struct Change {
    enum class Property {
        Text,
        Visible,
        Locked,
        TabStop,
        BackColor,
        Left,
        Selection,
        Caption,
        ToolTipText,
        Checked,
        Value,
        ForeColor,
        FontBold,
        Focus,
        Loaded,
    };
    Property property;
    int index = 0; // field, label or menu item index, or the ControlId of an option button
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
    void pressEnter();
    void pressEscape();
    // Chooses a menu item with the mouse or its shortcut; the focus does not move.
    void chooseMenu(MenuItem item);
    void closeFromTitleBar();

    // --- What the window shows ----------------------------------------------------------
    const Field &Text1(int index) const { return fields_.at(index); }
    const Label &Label1(int index) const { return labels_.at(index); }
    bool checked(MenuItem item) const { return menuChecked_[static_cast<int>(item)]; }
    const OptionButton &optImperial() const { return options_[0]; }
    const OptionButton &optMetric() const { return options_[1]; }
    std::optional<ControlId> focus() const { return focus_; }
    bool imperialMode() const { return ImperialMode; }
    bool formLoaded() const { return FormLoaded; }
    bool loaded() const { return loaded_; }
    const NumberFormat &numberFormat() const { return format_; }

    Signal<Change> changed;

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
    // Moves the focus to a visible field of a shown window and raises Text1_GotFocus.
    void SetFocus(int index);
    void showMessage(std::string_view prompt, int buttons, std::string_view title);
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

    // --- The six calculators: menu handler, set-up, imperial and metric calculation -----
    void mnuStaticPressure_Click();
    void StaticPressure();
    void StaticPressureCalcImp();
    void StaticPressureCalcMet();

    void mnuFlowRate_Click();
    void mnuPlungerDisplacement_Click();
    void FlowRate();
    void FlowRateCalcImp();
    void FlowRateCalcMet();

    void mnuLoad_Click();
    void Load();
    void LoadCalcImp();
    void LoadCalcMet();

    void mnuDiameterofPlunger_Click();
    void DiameterOfPlunger();
    void DiameterCalcImp();
    void DiameterCalcMet();

    void mnuRatedLoadSpeed_Click();
    void RatedLoadSpeed();
    void SpeedUpCalcImp();
    void SpeedUpCalcMet();

private:
    Field &field(int index) { return fields_.at(index); }
    OptionButton &option(ControlId id) { return options_[id == ControlId::optImperial ? 0 : 1]; }
    void notify(Change::Property property, int index = 0) { changed.send(Change{property, index}); }
    void setFocusTo(std::optional<ControlId> control);
    bool canTab(ControlId control) const;
    // Both option buttons' click: the same steps, for one unit system or the other.
    void selectUnits(bool imperial);
    // The four steps every calculator's menu handler takes.
    void chooseCalculator(MenuItem item, void (Window::*setUp)());

    WindowHost &host_;
    NumberFormat format_;
    std::array<Field, kFieldCount> fields_;
    std::array<Label, kLabelCount> labels_;
    std::array<bool, kMenuItemCount> menuChecked_{};
    std::array<OptionButton, 2> options_;
    std::optional<ControlId> focus_;
    bool shown_ = false;
    bool loaded_ = true;

    // The window's two variables.
    bool ImperialMode = false;
    bool FormLoaded = false;
};

} // namespace liftcalc
