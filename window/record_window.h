// SPDX-License-Identifier: MIT
// The test record window, without any toolkit: the third window on the kit, with the same
// conventions as the other two. All it shows lives here: the open record, the file it was last
// saved to and whether that file holds it, the lift and the visit as text boxes, each figure's
// unit, the entries with the current one, and the focus.
//
// A record ends only when the person starts a new one or opens another; one that was never
// saved to a file, or was changed since, is first offered for saving. Closing the window ends
// nothing: after every change the open record is kept through the host, and the window opened
// again, at the next start as well, shows it as it was.
//
// The calculator window opens and owns it, and hands it the entries the person adds there and
// in the field checks window. A front end reports what a person does and mirrors every change
// it is told of through `changed`; message boxes, file dialogs, files, the PDF and the printer
// go through its RecordHost.
#pragma once

#include "record/record.h"
#include "record/words.h"
#include "window/change.h"
#include "window/record_form.h"
#include "window/record_host.h"
#include "window/signal.h"
#include "window/text_box.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace liftcalc {

// A field of the form, by its slot in kFormFields.
struct FormField {
    int index;
    bool operator==(const FormField &) const = default;
};
// The unit of a lift figure (a row of record::kLiftQuantities), chosen beside its field.
struct UnitChooser {
    int measure;
    bool operator==(const UnitChooser &) const = default;
};
// The window's other controls, in tab order after the form.
enum class RecordControl { entries, cmdDelete, cmdMoveUp, cmdMoveDown };
using RecordFocus = std::variant<FormField, UnitChooser, RecordControl>;

// Whether the file holds the open record: a new record nobody changed yet, one with changes
// the file (if any) does not hold, one saved as it is.
enum class RecordState { fresh, changed, saved };
// The states' words, in the kept copy's head and the replay driver's dump.
inline constexpr auto kRecordStateNames =
    std::to_array<std::string_view>({"fresh", "changed", "saved"});
static_assert(kRecordStateNames.size() == static_cast<std::size_t>(RecordState::saved) + 1);

struct UnitChanged {
    int measure;
    bool operator==(const UnitChanged &) const = default;
};
// Entries were added, deleted or moved, or another record was opened: the whole list anew.
struct EntriesChanged {
    bool operator==(const EntriesChanged &) const = default;
};
// One entry's context, verdict or note.
struct EntryChanged {
    std::size_t index;
    bool operator==(const EntryChanged &) const = default;
};
struct CurrentEntryChanged {
    bool operator==(const CurrentEntryChanged &) const = default;
};
// The title: the file's name, or whether the file holds the record.
struct TitleChanged {
    bool operator==(const TitleChanged &) const = default;
};
struct RecordClosed {
    bool operator==(const RecordClosed &) const = default;
};
// A field's change names the field by its slot.
using RecordChange = std::variant<FieldChanged, UnitChanged, EntriesChanged, EntryChanged,
                                  CurrentEntryChanged, TitleChanged, FocusMoved, RecordClosed>;

class RecordWindow {
public:
    // Opens the record the host kept, or a new one when it kept none (or one that cannot be
    // read, which the person is told of); new figures' units are the calculator window's.
    RecordWindow(RecordHost &host, NumberFormat format, UnitSystem units);
    RecordWindow(const RecordWindow &) = delete;
    RecordWindow &operator=(const RecordWindow &) = delete;

    // Sends the message boxes and dialogs to a front end's own host (over its window), or back
    // to the host it was opened with. The record is kept through whichever is set.
    void setHost(RecordHost *host) { host_ = host ? host : &openedWith_; }
    // A front end going gives the host back, unless a later one has taken it.
    void releaseHost(const RecordHost *host) {
        if (host_ == host)
            host_ = &openedWith_;
    }

    // --- What a person does; nothing happens once the window is closed ------------------
    // Clicks into a field, which selects its text.
    bool clickField(int field);
    // Clicks into a field and replaces its whole text; the caret ends after it.
    bool typeInto(int field, std::string_view text);
    // A person's edit of a field, leaving the caret at caretAt with nothing selected. A text
    // goes into the record at once; a figure once it reads as one (an empty field leaves it
    // out), and a field left holding no figure is told of and shows the record's figure again.
    bool editField(int field, std::string_view text, int caretAt);
    void selectInField(int field, int start, int length);
    void chooseUnit(int measure, UnitSystem units);
    void click(RecordControl control);
    // Clicks an entry of the list, which becomes the current one.
    bool selectEntry(std::size_t index);
    // Sets an entry's context, note or verdict in place; false for an entry not there.
    bool setContext(std::size_t index, std::string_view text);
    bool setNote(std::size_t index, std::string_view text);
    bool setVerdict(std::size_t index, record::Verdict verdict);
    // The current entry deleted, or moved one place up or down.
    void deleteEntry();
    void moveEntry(bool up);
    void command(record::words::Command command);
    // Opens the record in the file at PATH, as Open does once a file is picked: from a file
    // manager, or named on the command line.
    void openFile(const std::string &path);
    void pressTab(bool backwards);
    // Up and Down on the list go to the entry before or after; on a unit chooser, either arrow
    // chooses the other unit.
    void pressArrow(bool forwards);
    // Enter presses the button that has the focus.
    void pressEnter();
    void pressEscape() { close(); }
    void close();
    // Opened again as it was left, with the focus back at the first field.
    void reopen();

    // --- What the other windows do ------------------------------------------------------
    // Adds an entry at the end, stamped with the time now, and makes it the current one; a
    // full record says so and takes nothing.
    bool add(record::Entry entry);

    // --- What the window shows ----------------------------------------------------------
    const record::Record &record() const { return record_; }
    const Field &field(int index) const { return fields_.at(static_cast<std::size_t>(index)); }
    UnitSystem unit(int measure) const { return units_.at(static_cast<std::size_t>(measure)); }
    // A unit's word as the file writes it: "lb", "kg".
    std::string_view unitWord(int measure, UnitSystem units) const;
    std::optional<std::size_t> currentEntry() const { return current_; }
    // An entry's cell in a column of the list, in the regional format.
    std::string entryCell(std::size_t index, record::words::Column column) const;
    bool enabled(RecordControl control) const;
    RecordFocus focus() const { return focus_; }
    const std::string &fileName() const { return file_; }
    RecordState state() const { return state_; }
    // "Test record", after the file's name once there is one, with a star while the file does
    // not hold the record.
    std::string title() const;
    bool isOpen() const { return open_; }
    const NumberFormat &numberFormat() const { return format_; }

    Signal<RecordChange> changed;

private:
    void show(record::Record record, std::string file, RecordState state);
    void recordChanged();
    void keep();
    void setState(RecordState state);
    // False when the person keeps the record open: they cancelled, or saving it failed.
    bool mayEnd();
    void newRecord();
    void open();
    void read(const std::string &path);
    bool save();
    bool saveAs();
    void exportPdf();
    void exportCsv();
    void print();
    void moveFocus(RecordFocus focus);
    void leaveField(int field);
    std::optional<std::optional<double>> figureOf(int field, std::string_view text) const;
    void setCurrent(std::optional<std::size_t> index);
    void setText(int field, std::string text);
    void select(int field, TextSelection selection);
    std::string fieldText(int field) const;
    std::string suggestedName(std::string_view extension) const;
    bool canTab(const RecordFocus &stop) const;
    RecordHost &host() { return *host_; }

    RecordHost &openedWith_;
    RecordHost *host_;
    NumberFormat format_;
    UnitSystem newUnits_;
    record::Record record_;
    std::string file_;
    RecordState state_ = RecordState::fresh;
    std::array<Field, kFormFieldCount> fields_;
    std::array<UnitSystem, kMeasureCount> units_{};
    std::optional<std::size_t> current_;
    RecordFocus focus_ = FormField{0};
    bool open_ = true;
};

} // namespace liftcalc
