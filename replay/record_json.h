// SPDX-License-Identifier: MIT
// The test record window's state in the replay driver's dump.
#pragma once

#include "window/record_window.h"
#include "json/json_writer.h"

#include <span>
#include <string>

namespace liftcalc {

// Where the record window's focus is, as the dump names it: a field's member ("device_id"), a
// unit ("rated_load unit"), or a control ("entries", "cmdDelete").
std::string recordFocusText(const RecordWindow &record);

// Writes "record": the title, the file and whether it holds the record, the focus, every
// field's text, the figures' units, the current entry (counted from 1), each entry's cells as
// the list shows them, and the files the host wrote (FILES) since the last dump.
void writeRecord(json::Writer &json, const RecordWindow &record,
                 std::span<const std::string> files);

} // namespace liftcalc
