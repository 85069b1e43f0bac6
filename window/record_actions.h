// SPDX-License-Identifier: MIT
// What a person does to the test record window, as values, its commands and buttons as every
// front end names and shows them, and the keys it takes by name.
#pragma once

#include "window/actions.h"
#include "window/record_window.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace liftcalc {

// The commands as controls: each one's published name and shortcut, in the order of
// record::words::Command, which gives its caption.
struct RecordCommandDesign {
    record::words::Command command;
    std::string_view name;
    std::string_view caption; // with '&' before its access key in the commands' menu
    std::string_view shortcut;
};
namespace record_detail {
using record::words::Command;
constexpr RecordCommandDesign row(Command command, std::string_view name,
                                  std::string_view shortcut) {
    return {command, name, record::words::commandCaption(command), shortcut};
}
} // namespace record_detail
inline constexpr auto kRecordCommands = [] {
    using namespace record_detail;
    return std::to_array<RecordCommandDesign>({
        row(Command::newRecord, "cmdNew", "Ctrl+N"),
        row(Command::open, "cmdOpen", "Ctrl+O"),
        row(Command::save, "cmdSave", "Ctrl+S"),
        row(Command::saveAs, "cmdSaveAs", "Ctrl+Shift+S"),
        row(Command::exportPdf, "cmdExportPdf", ""),
        row(Command::exportCsv, "cmdExportCsv", ""),
        row(Command::print, "cmdPrint", "Ctrl+P"),
        row(Command::close, "cmdClose", "Ctrl+W"),
    });
}();
static_assert(kRecordCommands.size() == std::size(record::words::kCommands));

// The list of entries and the buttons under it, in the order of RecordControl.
struct RecordControlDesign {
    RecordControl control;
    std::string_view name;
    std::string_view caption; // with '&' before its access key, which no other control has
};
inline constexpr auto kRecordControls = std::to_array<RecordControlDesign>({
    {RecordControl::entries, "entries", record::words::kEntriesGroup},
    {RecordControl::cmdDelete, "cmdDelete",
     record::words::buttonCaption(record::words::Button::deleteEntry)},
    {RecordControl::cmdMoveUp, "cmdMoveUp",
     record::words::buttonCaption(record::words::Button::moveUp)},
    {RecordControl::cmdMoveDown, "cmdMoveDown",
     record::words::buttonCaption(record::words::Button::moveDown)},
});
static_assert(kRecordControls.size() == static_cast<std::size_t>(RecordControl::cmdMoveDown) + 1);

struct ClickRecordField {
    int field;
};
// Clicks into a field and replaces its whole text; the caret ends after it.
struct TypeIntoRecord {
    int field;
    std::string text;
};
struct ChooseUnit {
    int measure;
    UnitSystem units;
};
struct SelectEntry {
    std::size_t index;
};
// Sets an entry's context or note in place (the column says which).
struct SetEntryText {
    std::size_t index;
    record::words::Column column;
    std::string text;
};
struct SetEntryVerdict {
    std::size_t index;
    record::Verdict verdict;
};
struct ClickRecordControl {
    RecordControl control;
};
struct ChooseRecordCommand {
    record::words::Command command;
};
// The calculator window's keys by the same names (kKeyNames), and Delete, Ctrl+Up and
// Ctrl+Down, which delete and move the current entry.
struct PressRecordKey {
    enum Key { windowKey, deleteKey, moveUp, moveDown } key;
    PressKey::Key named = PressKey::Tab;
};
// Closes the window from its title bar.
struct CloseRecord {};

using RecordAction = std::variant<ClickRecordField, TypeIntoRecord, ChooseUnit, SelectEntry,
                                  SetEntryText, SetEntryVerdict, ClickRecordControl,
                                  ChooseRecordCommand, PressRecordKey, CloseRecord>;

// Does the action as a person would. False when the window could not take it (a closed window,
// a field, an entry or a column that is not there); the window then stays as it was.
bool perform(RecordWindow &window, const RecordAction &action);

// The action of a key as a person names it: one of kKeyNames, "Delete", "Ctrl+Up", "Ctrl+Down",
// a command's shortcut ("Ctrl+S") or a button's access key ("Alt+L"). Nothing for any other key,
// which a front end leaves to the widget that has the focus.
std::optional<RecordAction> recordKeyAction(std::string_view key);

// A verdict by its code in the file ("pass", "n/a"; "none" for none).
std::optional<record::Verdict> verdictNamed(std::string_view code);

} // namespace liftcalc
