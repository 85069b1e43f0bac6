// SPDX-License-Identifier: MIT
// The test record window as the page's script names its parts: a change as the script mirrors
// it (what changed, and the field's slot, the unit's measure or the entry's index where one
// thing changed), the list's columns, and the answers to the question before a record ends.
#pragma once

#include "window/record_window.h"

#include <array>
#include <optional>
#include <string_view>

namespace liftcalc::web {

enum class RecordPageChange : int {
    text,
    selection,
    unit,
    entries,
    entry,
    current,
    title,
    focus,
    closed,
    opened
};

// The names the script knows them by, in the order of the enumeration.
constexpr auto kRecordChangeNames =
    std::to_array<std::string_view>({"text", "selection", "unit", "entries", "entry", "current",
                                     "title", "focus", "closed", "opened"});
static_assert(kRecordChangeNames.size() == static_cast<std::size_t>(RecordPageChange::opened) + 1,
              "a change of the record window without its name");

// The list's columns as the script names them, in the order of record::words::Column.
inline constexpr std::string_view kColumnNames[] = {"number",  "time",    "calculation", "units",
                                                    "figures", "context", "verdict",     "note"};
static_assert(std::size(kColumnNames) == std::size(record::words::kColumns));

// The script names an answer by its place here.
struct SaveFirstAnswer {
    SaveFirst answer;
    std::string_view caption;
};
inline constexpr SaveFirstAnswer kSaveFirstAnswers[] = {
    {SaveFirst::save, record::words::kSave},
    {SaveFirst::discard, record::words::kDiscard},
    {SaveFirst::cancel, record::words::kCancel},
};

struct RecordPageChangeAt {
    RecordPageChange change;
    int index = 0;
};

// Nothing for the properties a record window's field never changes.
std::optional<RecordPageChangeAt> recordPageChange(const RecordChange &change);

} // namespace liftcalc::web
