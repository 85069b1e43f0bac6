// SPDX-License-Identifier: MIT
// Every word the test record shows: the captions of the lift and the visit, the entries'
// columns, the verdicts, the kinds of test, the unit systems and the messages. The window, the
// page, the PDF, the CSV and the command line take their words from here, so that one catalogue
// can give them in the mechanic's language.
#pragma once

#include "record/record.h"

#include <initializer_list>
#include <iterator>
#include <string>
#include <string_view>

namespace liftcalc::record::words {

inline constexpr std::string_view kTitle = "Test record";
inline constexpr std::string_view kDocumentTitle = "Hydraulic elevator test record";
// How a message names the file's top level.
inline constexpr std::string_view kDocumentRoot = "The record";

// A field of the lift or the visit: its member in the file and its caption.
struct FieldCaption {
    std::string_view member;
    std::string_view caption;
};

// In the order the file and the form give them.
inline constexpr FieldCaption kLiftFields[] = {
    {"device_id", "Device ID"},
    {"serial", "Serial number"},
    {"location", "Location"},
    {"address", "Address"},
    {"owner", "Owner"},
    {"maker", "Maker"},
    {"rated_load", "Rated load"},
    {"rated_speed", "Rated speed"},
    {"diameter", "Plunger diameter"},
    {"plungers", "Number of plungers"},
};
inline constexpr FieldCaption kVisitFields[] = {
    {"date", "Date"},
    {"kind", "Kind of test"},
    {"code", "Code and edition"},
    {"tested_by", "Tested by"},
    {"licence", "Licence number"},
    {"company", "Company"},
    {"witnessed_by", "Witnessed by"},
    {"agency", "Agency"},
    {"remarks", "Remarks"},
};
// The caption of a lift's or a visit's member, by its name in the file.
std::string_view captionOf(std::string_view member);

enum class Column { number, time, calculation, units, figures, context, verdict, note };
inline constexpr std::string_view kColumns[] = {"No.",     "Time",    "Calculation", "Units",
                                                "Figures", "Context", "Verdict",     "Note"};
static_assert(std::size(kColumns) == static_cast<std::size_t>(Column::note) + 1);
constexpr std::string_view columnCaption(Column column) {
    return kColumns[static_cast<std::size_t>(column)];
}

// A verdict as the file writes it and as the person reads it.
struct VerdictWord {
    Verdict verdict;
    std::string_view code; // "pass"; the file writes null for none
    std::string_view word; // "Pass"
};
inline constexpr VerdictWord kVerdicts[] = {
    {Verdict::none, "", ""},
    {Verdict::pass, "pass", "Pass"},
    {Verdict::fail, "fail", "Fail"},
    {Verdict::notApplicable, "n/a", "Not applicable"},
};
const VerdictWord &verdictWord(Verdict verdict);

inline constexpr std::string_view kKindsOfTest[] = {"Annual", "Five-year", "Acceptance",
                                                    "Alteration", "After repair"};

// A unit system as the file writes it and as the person reads it.
struct UnitSystemWord {
    UnitSystem units;
    std::string_view code;
    std::string_view word;
};
inline constexpr UnitSystemWord kUnitSystems[] = {
    {UnitSystem::imperial, "imperial", "Imperial"},
    {UnitSystem::metric, "metric", "Metric"},
};
const UnitSystemWord &unitSystemWord(UnitSystem units);

// The record's commands, with '&' before each one's access key, and the window's own buttons.
enum class Command { newRecord, open, save, saveAs, exportPdf, exportCsv, print, close };
inline constexpr std::string_view kCommands[] = {"&New",        "&Open...",       "&Save",
                                                 "Save &As...", "Export P&DF...", "Export &CSV...",
                                                 "&Print...",   "Clos&e"};
static_assert(std::size(kCommands) == static_cast<std::size_t>(Command::close) + 1);
constexpr std::string_view commandCaption(Command command) {
    return kCommands[static_cast<std::size_t>(command)];
}
// The menu that holds the commands.
inline constexpr std::string_view kCommandMenu = "&Record";
enum class Button { deleteEntry, moveUp, moveDown };
inline constexpr std::string_view kButtons[] = {"De&lete entry", "Move &up", "Move do&wn"};
static_assert(std::size(kButtons) == static_cast<std::size_t>(Button::moveDown) + 1);
constexpr std::string_view buttonCaption(Button button) {
    return kButtons[static_cast<std::size_t>(button)];
}
// The calculator window's and the field checks window's ways to a record.
inline constexpr std::string_view kAddToTestRecord = "&Add to Test Record";
inline constexpr std::string_view kOpenTestRecord = "&Test Record...";
inline constexpr std::string_view kAddToRecord = "Add to &record";
inline constexpr std::string_view kAddToRecordTip = "Add the calculated figures to the test record";
// The heads of the form's two groups, and of the list of entries.
inline constexpr std::string_view kLiftGroup = "Lift";
inline constexpr std::string_view kVisitGroup = "Visit";
inline constexpr std::string_view kEntriesGroup = "Entries";
// The answers when a record that was never saved would end.
inline constexpr std::string_view kSave = "&Save";
inline constexpr std::string_view kDiscard = "&Don't save";
inline constexpr std::string_view kCancel = "Cancel";
// The kinds of file a person picks, as a file dialog names them.
inline constexpr std::string_view kRecordFiles = "Test records (*.liftrec)";
inline constexpr std::string_view kPdfFiles = "PDF files (*.pdf)";
inline constexpr std::string_view kCsvFiles = "CSV files (*.csv)";

// The messages; %1, %2 and %3 stand for what each says of.
enum class Message {
    figuresDiffer,
    notJson,
    endsEarly,
    notUtf8,
    fileTooLarge,
    notARecord,
    newerVersion,
    givenTwice,
    nestedTooDeep,
    tooManyEntries,
    textTooLong,
    missing,
    notAnObject,
    notAList,
    notAText,
    notANumber,
    numberTooLarge,
    notAWholeNumber,
    notOneOf,
    unknownCalculation,
    noCalculation,
    bothCalculations,
    cannotRead,
    cannotSave,
    noSuchEntry,
    allAgree,
    entryDiffers,
    emptyRecord,
    saveFirst,
    notCalculated,
    refused,
    recordFull,
    notAFigure,
    keptUnreadable,
    cannotExport,
    cannotPrint,
    cannotOpen,
    changesNotSaved,
};
struct MessageText {
    Message message;
    std::string_view text;
};
// clang-format off
inline constexpr MessageText kMessages[] = {
    {Message::figuresDiffer, "Figures differ from a new calculation"},
    {Message::notJson, "Line %1, column %2: this is not JSON; the file is not a test record."},
    {Message::endsEarly, "Line %1, column %2: the file ends too early; it is not whole."},
    {Message::notUtf8, "Line %1, column %2: the text is not UTF-8."},
    {Message::fileTooLarge, "The file is larger than 16 MiB, too large for a test record."},
    {Message::notARecord, "This file is not a liftcalc test record."},
    {Message::newerVersion,
     "This record was made by a newer version of liftcalc (record version %1)."},
    {Message::givenTwice, "%1 is given twice."},
    {Message::nestedTooDeep, "%1 is nested too deep."},
    {Message::tooManyEntries, "The record has more than 10,000 entries."},
    {Message::textTooLong, "%1 is longer than 100,000 characters."},
    {Message::missing, "%1 is missing."},
    {Message::notAnObject, "%1 is not a group of members."},
    {Message::notAList, "%1 is not a list."},
    {Message::notAText, "%1 is not a text."},
    {Message::notANumber, "%1 is not a number."},
    {Message::numberTooLarge, "%1 is too large a number."},
    {Message::notAWholeNumber, "%1 is not a whole number of at least 1."},
    {Message::notOneOf, "%1 is not one of %2."},
    {Message::unknownCalculation, "%1 names a calculation liftcalc does not know (%2)."},
    {Message::noCalculation, "%1 names no calculator or check."},
    {Message::bothCalculations, "%1 names both a calculator and a check."},
    {Message::cannotRead, "Cannot read %1: %2."},
    {Message::cannotSave, "Cannot save %1: %2. The file was left as it was."},
    {Message::noSuchEntry, "The record has no entry %1."},
    {Message::allAgree, "Every entry's figures agree with a new calculation."},
    {Message::entryDiffers, "Entry %1 (%2): %3."},
    {Message::emptyRecord, "The record has no entries."},
    {Message::saveFirst,
     "This record was never saved to a file. Save it before it is closed?"},
    {Message::notCalculated,
     "Nothing to add: calculate %1 first, then add it to the test record."},
    {Message::refused, "%1 refused these figures, so they are not added to the test record."},
    {Message::recordFull, "The record holds 10,000 entries, the most it can; nothing was added."},
    {Message::notAFigure, "%1 is not a number greater than 0; it was not kept."},
    {Message::keptUnreadable, "The record kept from the last time cannot be read: %1"},
    {Message::cannotExport, "Cannot write %1: %2."},
    {Message::cannotPrint, "Cannot print the record: %1."},
    {Message::cannotOpen, "Cannot open %1.\r\n%2"},
    {Message::changesNotSaved,
     "The changes to this record are not saved in %1. Save them before it is closed?"},
};
// clang-format on

// The message with %1, %2 and %3 replaced by the arguments in turn.
std::string say(Message message, std::initializer_list<std::string_view> arguments = {});

} // namespace liftcalc::record::words
