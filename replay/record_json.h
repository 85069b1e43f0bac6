// SPDX-License-Identifier: MIT
// The test record window's state in the replay driver's dump.
#pragma once

#include "window/record_window.h"
#include "json/json_writer.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace liftcalc {

// An entry's cells as the dump names them, in the order it writes them.
inline constexpr auto kEntryCells =
    std::to_array<std::pair<std::string_view, record::words::Column>>({
        {"n", record::words::Column::number},
        {"time", record::words::Column::time},
        {"calculation", record::words::Column::calculation},
        {"units", record::words::Column::units},
        {"figures", record::words::Column::figures},
        {"context", record::words::Column::context},
        {"verdict", record::words::Column::verdict},
        {"note", record::words::Column::note},
    });

// Where the record window's focus is, as the dump names it: a field's member ("device_id"), a
// unit ("rated_load unit"), or a control ("entries", "cmdDelete").
std::string recordFocusText(const RecordWindow &record);

// Writes "record": the title, the file and whether it holds the record, the focus, every
// field's text, the figures' units, the current entry (counted from 1), each entry's cells as
// the list shows them, and the files the host wrote (FILES) since the last dump.
void writeRecord(json::Writer &json, const RecordWindow &record,
                 std::span<const std::string> files);

} // namespace liftcalc
