// SPDX-License-Identifier: MIT
// The record window's list of entries: the current one, its cells, and what the person and the
// other windows do to it.
#include "window/record_window.h"

#include "window/record_entries.h"

#include <algorithm>

namespace liftcalc {
namespace {

using record::words::Message;
using record::words::say;

} // namespace

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

void RecordWindow::setCurrent(std::optional<std::size_t> index) {
    if (assign(current_, index))
        changed.send(CurrentEntryChanged{});
}

} // namespace liftcalc
