// SPDX-License-Identifier: MIT
// The field checks window, without any toolkit: a second window beside the calculator, with the
// same conventions and the same text boxes. All it shows lives here: the chosen check, the unit
// system and its buttons' look, each field's text, state and selection, and the focus. A person
// types the inputs into the chosen system's column; the other column shows their equivalents,
// and every answer is written in both.
//
// Fields are the rows of the chosen check (inputs, then answers), each with an imperial and a
// metric field; a row without unit systems (the number of plungers, a time, a share) has one
// field, in the imperial slot, which a front end shows in the chosen column. An open field is
// white and typed into; a locked one is yellow, skipped by Tab and written only by Calculate.
// A person's edit of an open field empties every answer and the same row's other field (the
// change rule).
//
// Figures are typed once: a figure that several checks share (the plunger diameter, the number
// of plungers, the empty-car and full-load pressures, the rated load) keeps its text, per unit
// system, when another check that takes it is chosen; an answer that is such a figure fills
// the inputs that take it where they are empty; and other sources (the calculator window on
// opening, the lift's figures of a test record) fill empty inputs the same way. A carried
// figure is an ordinary open field, as if typed; its other column keeps the equivalent it had.
//
// The calculator window opens and owns it. A front end reports what a person does and mirrors
// every change it is told of through `changed`; refusals go through its message host.
#pragma once

#include "calculators/checks.h"
#include "record/record.h"
#include "window/change.h"
#include "window/message_host.h"
#include "window/option_button.h"
#include "window/signal.h"
#include "window/text_box.h"

#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace liftcalc {

// The controls of the checks window, besides its fields, in tab order around the fields.
enum class ChecksControl {
    chooser,
    optImperial,
    optMetric,
    cmdCalculate,
    cmdClear,
    cmdClose,
    cmdAddToRecord,
};

constexpr int kMostCheckRows = kMostCheckInputs + kMostCheckAnswers;
constexpr int kChecksFieldCount = 2 * kMostCheckRows;

// A field's slot: its index among the window's fields, as its changes name it.
constexpr int fieldSlot(CheckField field) {
    return field.row * 2 + (field.metric ? 1 : 0);
}
constexpr CheckField checkFieldAt(int slot) {
    return {slot / 2, slot % 2 == 1};
}

using ChecksFocus = std::variant<CheckField, ChecksControl>;

struct CheckChosen {
    bool operator==(const CheckChosen &) const = default;
};
struct ChecksUnitsChanged {
    bool operator==(const ChecksUnitsChanged &) const = default;
};
struct ChecksClosed {
    bool operator==(const ChecksClosed &) const = default;
};
// A field's change names the field by its slot.
using ChecksChange =
    std::variant<FieldChanged, CheckChosen, ChecksUnitsChanged, FocusMoved, ChecksClosed>;

class ChecksWindow {
public:
    // Opens on the first check, in the unit system given (the calculator window's), with the
    // focus in the first input.
    ChecksWindow(MessageHost &host, NumberFormat format, UnitSystem units);
    ChecksWindow(const ChecksWindow &) = delete;
    ChecksWindow &operator=(const ChecksWindow &) = delete;

    // Sends the message boxes to a front end's own host (boxes over its window), or back to the
    // host it was opened with.
    void setMessageHost(MessageHost *host) { host_ = host ? host : &openedWith_; }
    // A front end going gives the boxes back, unless a later one has taken them.
    void releaseMessageHost(const MessageHost *host) {
        if (host_ == host)
            host_ = &openedWith_;
    }
    // Where "Add to record" puts the entry of the check calculated; without it the button
    // does nothing.
    void setRecordTaker(std::function<void(record::Entry)> taker) { toRecord_ = std::move(taker); }
    // Where the test record's lift is found, whose figures fill each check shown; none when
    // there is no record.
    void setLiftSource(std::function<const record::Lift *()> source) { lift_ = std::move(source); }

    // --- What a person does; nothing happens once the window is closed ------------------
    // Picks a check from the chooser's list: every field is set up for it, empty but for the
    // figures it shares with the checks before it, and the focus goes into its first input.
    void chooseCheck(int index);
    // Clicks into a field, which selects its text. False for a field not shown.
    bool clickField(CheckField field);
    // Clicks into a field and replaces its text; false for a locked or hidden field.
    bool typeInto(CheckField field, std::string_view text);
    // A person's edit of the field holding the focus, leaving the caret at caretAt with nothing
    // selected; false for a locked or hidden field.
    bool editField(CheckField field, std::string_view text, int caretAt);
    // Selects part of a field's text with the mouse or keyboard.
    void selectInField(CheckField field, int start, int length);
    void click(ChecksControl control);
    void pressTab(bool backwards);
    // Enter presses a focused button, else Calculate; Esc closes.
    void pressEnter();
    void pressEscape();
    // An arrow on the chooser shows the check before or after, keeping the focus there; on the
    // selected option button it chooses the other one.
    void pressArrow(bool forwards);
    // On the chooser, Home and Page Up show the first check, End and Page Down the last (its
    // list shows every check at once), keeping the focus there; elsewhere nothing.
    void pressChooserEnd(bool last);
    // Letters typed on the chooser in quick succession (all of them so far) show a check by its
    // title, as a list does, keeping the focus there: one letter, or the same one again and
    // again, steps to the next check that starts with it; more letters find the first check,
    // from the shown one on, that starts with them all. False unless the chooser has the focus.
    bool typeOnChooser(std::string_view typed);
    void close();
    // Opens the closed window again as it was left (the check, the unit system, every text),
    // with the focus in its first input.
    void reopen();

    // --- Figures from elsewhere -----------------------------------------------------------
    // Fills the chosen system's field of a figure where it is empty: the shown check's input
    // that takes it, or else the text kept for the next check that does.
    void fillEmptyFigure(Figure figure, std::string_view text);
    // Fills an input row of the shown check where its typed field is empty, as if typed; false
    // when it is not empty or not an input of the check shown.
    bool fillEmptyInput(int row, std::string_view text);
    // The texts a calculation reads: the typed fields of the inputs, in row order.
    std::vector<std::string> typedTexts() const;
    // The lift's figures of the test record fill the shown check's empty inputs of the same
    // quantity, after the figures carried from other checks.
    void takeLiftFigures();

    // --- What the window shows ----------------------------------------------------------
    const Check &check() const { return *checks::kAll[checkIndex_]; }
    int checkIndex() const { return checkIndex_; }
    UnitSystem units() const { return units_; }
    bool imperial() const { return units_ == UnitSystem::imperial; }
    const Field &field(CheckField field) const { return fields_.at(fieldSlot(field)); }
    // The field a person types a row's figure into: the chosen column's, or the row's only one.
    CheckField typedField(int row) const;
    // A unit system's option button: the chosen one is checked, its caption red and bold.
    OptionButton unitOption(UnitSystem units) const;
    ChecksFocus focus() const { return focus_; }
    bool isOpen() const { return open_; }
    const NumberFormat &numberFormat() const { return format_; }

    Signal<ChecksChange> changed;

private:
    void showCheck(int index);
    // Figures carried between checks (checks_figures.cpp): kept from the check shown as it is
    // left, and given to the one chosen.
    void keepFigures();
    void takeFigures();
    void setUp();
    void setText(CheckField field, std::string text);
    void setVisible(CheckField field, bool visible);
    // A locked field is yellow and no tab stop; an open one white and a tab stop.
    void setLocked(CheckField field, bool locked);
    void select(CheckField field, TextSelection selection);
    void moveFocus(ChecksFocus focus);
    void focusFirstInput();
    void selectUnits(UnitSystem units);
    void calculate();
    void clear();
    void addToRecord();
    void notifyField(CheckField field, FieldChanged::Property property);
    void applyChangeRule(CheckField edited);
    bool inputRow(int row) const { return row < static_cast<int>(check().inputs.size()); }
    bool shown(CheckField field) const;
    // The tab stops in order: the chooser, the selected option button, the inputs down the
    // chosen column, the three buttons.
    std::vector<ChecksFocus> tabOrder() const;
    Field &state(CheckField field) { return fields_.at(fieldSlot(field)); }

    MessageHost &openedWith_;
    MessageHost *host_;
    NumberFormat format_;
    int checkIndex_ = 0;
    UnitSystem units_;
    std::array<Field, kChecksFieldCount> fields_;
    // The texts of each shared figure, imperial then metric (a figure without unit systems in
    // the first), as the last check that had it left them.
    std::map<Figure, std::array<std::string, 2>> figures_;
    ChecksFocus focus_ = ChecksControl::chooser;
    bool open_ = true;
    std::function<void(record::Entry)> toRecord_;
    std::function<const record::Lift *()> lift_;
};

} // namespace liftcalc
