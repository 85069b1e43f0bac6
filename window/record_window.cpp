// SPDX-License-Identifier: MIT
// The record window's form, its list of entries and its focus.
#include "window/record_window.h"

#include "calculators/utf8_text.h"
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

// A text as the record holds it: well-formed UTF-8 and no longer than a record's text may be,
// so that the file the window writes is one it can read again.
std::string recordText(std::string_view typed) {
    std::string text = validUtf8(typed);
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80 &&
            ++characters > record::kLongestText) {
            text.resize(i);
            break;
        }
    return text;
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

bool RecordWindow::selectEntry(std::size_t index) {
    if (!open_ || index >= record_.entries.size())
        return false;
    moveFocus(RecordControl::entries);
    setCurrent(index);
    return true;
}

bool RecordWindow::setContext(std::size_t index, std::string_view text) {
    if (!open_ || !record::setContext(record_, index, recordText(text)))
        return false;
    changed.send(EntryChanged{index});
    recordChanged();
    return true;
}

bool RecordWindow::setNote(std::size_t index, std::string_view text) {
    if (!open_ || !record::setNote(record_, index, recordText(text)))
        return false;
    changed.send(EntryChanged{index});
    recordChanged();
    return true;
}

bool RecordWindow::setVerdict(std::size_t index, record::Verdict verdict) {
    if (!open_ || !record::setVerdict(record_, index, verdict))
        return false;
    changed.send(EntryChanged{index});
    recordChanged();
    return true;
}

// The entry after the deleted one takes its place as the current one, or the one before it
// at the end of the list.
void RecordWindow::deleteEntry() {
    if (!open_ || !current_ || !record::deleteEntry(record_, *current_))
        return;
    const std::size_t count = record_.entries.size();
    changed.send(EntriesChanged{});
    setCurrent(count == 0 ? std::nullopt : std::optional(std::min(*current_, count - 1)));
    recordChanged();
    if (!enabled(RecordControl::cmdDelete) && focus_ == RecordFocus{RecordControl::cmdDelete})
        moveFocus(RecordControl::entries);
}

void RecordWindow::moveEntry(bool up) {
    if (!open_ || !current_)
        return;
    const std::size_t from = *current_;
    if ((up && from == 0) || (!up && from + 1 >= record_.entries.size()))
        return;
    const std::size_t to = up ? from - 1 : from + 1;
    record::moveEntry(record_, from, to);
    changed.send(EntriesChanged{});
    setCurrent(to);
    recordChanged();
    // A button that can do no more hands the focus to the list.
    if (const auto *control = std::get_if<RecordControl>(&focus_); control && !enabled(*control))
        moveFocus(RecordControl::entries);
}

bool RecordWindow::add(record::Entry entry) {
    if (!open_)
        return false;
    entry.time = host().timeNow();
    if (!record::addEntry(record_, std::move(entry))) {
        host().showMessage({std::string(record::words::kTitle), say(Message::recordFull), 0});
        return false;
    }
    changed.send(EntriesChanged{});
    setCurrent(record_.entries.size() - 1);
    recordChanged();
    return true;
}

std::string RecordWindow::entryCell(std::size_t index, record::words::Column column) const {
    using record::words::Column;
    if (index >= record_.entries.size())
        return {};
    const record::Entry &entry = record_.entries[index];
    switch (column) {
    case Column::number:
        return std::to_string(index + 1);
    case Column::time:
        return entry.time;
    case Column::calculation:
        return std::string(entry.calculated.title());
    case Column::units:
        return std::string(record::words::unitSystemWord(entry.units).word);
    case Column::figures:
        return figuresCell(entry, format_);
    case Column::context:
        return entry.context;
    case Column::verdict:
        return std::string(record::words::verdictWord(entry.verdict).word);
    case Column::note:
        return entry.note;
    }
    return {};
}

bool RecordWindow::enabled(RecordControl control) const {
    switch (control) {
    case RecordControl::entries:
        return !record_.entries.empty();
    case RecordControl::cmdDelete:
        return current_.has_value();
    case RecordControl::cmdMoveUp:
        return current_ && *current_ > 0;
    case RecordControl::cmdMoveDown:
        return current_ && *current_ + 1 < record_.entries.size();
    }
    return false;
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

void RecordWindow::setCurrent(std::optional<std::size_t> index) {
    if (assign(current_, index))
        changed.send(CurrentEntryChanged{});
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
