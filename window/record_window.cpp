// SPDX-License-Identifier: MIT
// The record window's form, its keys and its focus.
#include "window/record_window.h"

#include "window/kept_record.h"
#include "window/record_entries.h"
#include "window/tab_order.h"

#include <cmath>
#include <limits>
#include <span>
#include <vector>

namespace liftcalc {
namespace {

using record::words::Message;
using record::words::say;

const record::LiftQuantity &quantity(int measure) {
    return record::kLiftQuantities[static_cast<std::size_t>(measure)];
}

} // namespace

RecordWindow::RecordWindow(RecordHost &host, NumberFormat format, UnitSystem units)
    : openedWith_(host), host_(&host), format_(std::move(format)), newUnits_(units) {
    for (Field &f : fields_)
        f.BackColor = colours::white;
    units_.fill(units);
    if (const auto bytes = host.kept()) {
        auto kept = readKept(*bytes);
        if (auto *k = std::get_if<KeptRecord>(&kept)) {
            show(std::move(k->record), std::move(k->file), k->state);
            return;
        }
        host.showMessage({std::string(record::words::kTitle),
                          say(Message::keptUnreadable, {std::get<record::ReadError>(kept).message}),
                          0});
    }
    show(record::newRecord(host.newId(), host.timeNow(), host.timeNow().substr(0, 10),
                           "liftcalc " LIFTCALC_VERSION),
         {}, RecordState::fresh);
}

// Puts a record into the window as it stands, with the focus back at the first field.
void RecordWindow::show(record::Record record, std::string file, RecordState state) {
    record_ = std::move(record);
    file_ = std::move(file);
    state_ = state;
    for (int m = 0; m < kMeasureCount; ++m) {
        const auto &figure = record_.lift.*quantity(m).figure;
        const UnitSystem units = figure ? quantity(m).systemOf(figure->unit) : newUnits_;
        if (assign(units_[static_cast<std::size_t>(m)], units))
            changed.send(UnitChanged{m});
    }
    for (int i = 0; i < kFormFieldCount; ++i)
        setText(i, fieldText(i));
    current_.reset();
    changed.send(EntriesChanged{});
    changed.send(CurrentEntryChanged{});
    changed.send(TitleChanged{});
    moveFocus(FormField{0});
}

// The field's text as the record gives it: a figure in the regional format.
std::string RecordWindow::fieldText(int field) const {
    const FormFieldDesign &design = kFormFields[static_cast<std::size_t>(field)];
    auto &record = const_cast<record::Record &>(record_);
    switch (design.kind) {
    case FormFieldKind::text:
        return design.text(record);
    case FormFieldKind::measure: {
        const auto &figure = record.lift.*quantity(design.measure).figure;
        return figure ? plainText(figure->value, format_) : std::string();
    }
    case FormFieldKind::count:
        return record.lift.plungers ? plainText(*record.lift.plungers, format_) : std::string();
    }
    return {};
}

std::string_view RecordWindow::unitWord(int measure, UnitSystem units) const {
    return units == UnitSystem::metric ? quantity(measure).metricUnit
                                       : quantity(measure).imperialUnit;
}

bool RecordWindow::clickField(int field) {
    if (!open_ || field < 0 || field >= kFormFieldCount)
        return false;
    moveFocus(FormField{field});
    return true;
}

bool RecordWindow::typeInto(int field, std::string_view text) {
    return clickField(field) && editField(field, text, std::numeric_limits<int>::max());
}

bool RecordWindow::editField(int field, std::string_view text, int caretAt) {
    if (!open_ || field < 0 || field >= kFormFieldCount)
        return false;
    const FormFieldDesign &design = kFormFields[static_cast<std::size_t>(field)];
    TextEdit edit =
        typedText(design.kind == FormFieldKind::text ? recordText(text) : text, caretAt);
    bool changedRecord = false;
    if (design.kind == FormFieldKind::text) {
        changedRecord = assign(design.text(record_), edit.text);
    } else if (const auto figure = figureOf(field, edit.text)) {
        auto &lift = record_.lift;
        if (design.kind == FormFieldKind::count) {
            changedRecord = assign(lift.plungers, *figure);
        } else {
            auto &measure = lift.*quantity(design.measure).figure;
            std::optional<record::Measure> now;
            if (*figure)
                now = record::Measure{**figure,
                                      std::string(unitWord(design.measure, unit(design.measure))),
                                      measure ? measure->unknown : record::Unknowns{}};
            changedRecord = assign(measure, std::move(now));
        }
    }
    if (edit.text != fields_[static_cast<std::size_t>(field)].Text) {
        fields_[static_cast<std::size_t>(field)].Text = edit.text;
        changed.send(FieldChanged{field, FieldChanged::Property::Text});
    }
    select(field, {edit.caret, 0});
    if (changedRecord)
        recordChanged();
    return true;
}

void RecordWindow::selectInField(int field, int start, int length) {
    if (!open_ || field < 0 || field >= kFormFieldCount)
        return;
    select(field, selectionWithin(fields_[static_cast<std::size_t>(field)].Text, start, length));
}

// A figure field's text as the record takes it: nothing for none (an empty field), or the
// figure; no answer at all when the text is not one.
std::optional<std::optional<double>> RecordWindow::figureOf(int field,
                                                            std::string_view text) const {
    if (text.empty())
        return std::optional<double>();
    const auto value = strictValue(text, format_);
    if (!value || !(*value > 0))
        return std::nullopt;
    // The number of plungers is a whole number, and one a double holds exactly.
    if (kFormFields[static_cast<std::size_t>(field)].kind == FormFieldKind::count &&
        (*value < 1 || *value > 1e15 || *value != std::floor(*value)))
        return std::nullopt;
    return std::optional<double>(*value);
}

// A field left holding what is not a figure shows the record's own again, and says why.
void RecordWindow::leaveField(int field) {
    const FormFieldDesign &design = kFormFields[static_cast<std::size_t>(field)];
    if (design.kind == FormFieldKind::text ||
        figureOf(field, fields_[static_cast<std::size_t>(field)].Text))
        return;
    setText(field, fieldText(field));
    host().showMessage(
        {std::string(record::words::kTitle),
         say(design.kind == FormFieldKind::count ? Message::notAWholeNumber : Message::notAFigure,
             {design.caption}),
         0});
}

void RecordWindow::chooseUnit(int measure, UnitSystem units) {
    if (!open_ || measure < 0 || measure >= kMeasureCount)
        return;
    moveFocus(UnitChooser{measure});
    if (!assign(units_[static_cast<std::size_t>(measure)], units))
        return;
    changed.send(UnitChanged{measure});
    // A figure typed keeps its number: the person says which unit it was in.
    auto &figure = record_.lift.*quantity(measure).figure;
    if (figure) {
        figure->unit = unitWord(measure, units);
        recordChanged();
    }
}

void RecordWindow::click(RecordControl control) {
    if (!open_ || !enabled(control))
        return;
    moveFocus(control);
    if (control == RecordControl::cmdDelete)
        deleteEntry();
    else if (control == RecordControl::cmdMoveUp || control == RecordControl::cmdMoveDown)
        moveEntry(control == RecordControl::cmdMoveUp);
}

bool RecordWindow::canTab(const RecordFocus &stop) const {
    const auto *control = std::get_if<RecordControl>(&stop);
    return !control || enabled(*control);
}

// The form's fields in order, each figure's unit after it, then the list and its buttons.
void RecordWindow::pressTab(bool backwards) {
    if (!open_)
        return;
    std::vector<RecordFocus> order;
    for (int i = 0; i < kFormFieldCount; ++i) {
        order.emplace_back(FormField{i});
        if (const int m = kFormFields[static_cast<std::size_t>(i)].measure; m >= 0)
            order.emplace_back(UnitChooser{m});
    }
    for (const auto control : {RecordControl::entries, RecordControl::cmdDelete,
                               RecordControl::cmdMoveUp, RecordControl::cmdMoveDown})
        order.emplace_back(control);
    if (const auto next =
            nextTabStop(std::span<const RecordFocus>(order), std::optional(focus_), backwards,
                        [this](const RecordFocus &stop) { return canTab(stop); }))
        moveFocus(*next);
}

void RecordWindow::pressArrow(bool forwards) {
    if (!open_)
        return;
    if (const auto *chooser = std::get_if<UnitChooser>(&focus_)) {
        chooseUnit(chooser->measure, unit(chooser->measure) == UnitSystem::imperial
                                         ? UnitSystem::metric
                                         : UnitSystem::imperial);
    } else if (focus_ == RecordFocus{RecordControl::entries} && !record_.entries.empty()) {
        const std::size_t last = record_.entries.size() - 1;
        if (!current_)
            setCurrent(forwards ? 0 : last);
        else
            setCurrent(forwards ? std::min(*current_ + 1, last) : *current_ - (*current_ > 0));
    }
}

void RecordWindow::pressEnter() {
    if (const auto *control = std::get_if<RecordControl>(&focus_);
        control && *control != RecordControl::entries)
        click(*control);
}

void RecordWindow::close() {
    if (!open_)
        return;
    if (const auto *field = std::get_if<FormField>(&focus_))
        leaveField(field->index);
    open_ = false;
    changed.send(RecordClosed{});
}

void RecordWindow::reopen() {
    if (open_)
        return;
    open_ = true;
    focus_ = FormField{0};
}

// A field that takes the focus has its whole text selected; the one it leaves is checked.
void RecordWindow::moveFocus(RecordFocus focus) {
    if (focus_ != focus) {
        const RecordFocus left = focus_;
        focus_ = focus;
        changed.send(FocusMoved{});
        if (const auto *field = std::get_if<FormField>(&left))
            leaveField(field->index);
    }
    if (const auto *field = std::get_if<FormField>(&focus_))
        select(field->index, wholeText(fields_[static_cast<std::size_t>(field->index)].Text));
}

void RecordWindow::setText(int field, std::string text) {
    Field &f = fields_[static_cast<std::size_t>(field)];
    if (f.Text == text)
        return;
    f.Text = std::move(text);
    f.SelStart = f.SelLength = 0;
    changed.send(FieldChanged{field, FieldChanged::Property::Text});
}

void RecordWindow::select(int field, TextSelection selection) {
    if (setSelection(fields_[static_cast<std::size_t>(field)], selection))
        changed.send(FieldChanged{field, FieldChanged::Property::Selection});
}

} // namespace liftcalc
