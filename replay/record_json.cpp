// SPDX-License-Identifier: MIT
#include "replay/record_json.h"

#include "window/record_actions.h"

namespace liftcalc {

std::string recordFocusText(const RecordWindow &record) {
    const RecordFocus focus = record.focus();
    if (const auto *field = std::get_if<FormField>(&focus))
        return std::string(kFormFields[static_cast<std::size_t>(field->index)].name);
    if (const auto *unit = std::get_if<UnitChooser>(&focus))
        return std::string(
                   kFormFields[static_cast<std::size_t>(measureField(unit->measure))].name) +
               " unit";
    return std::string(
        kRecordControls[static_cast<std::size_t>(std::get<RecordControl>(focus))].name);
}

void writeRecord(json::Writer &json, const RecordWindow &r, std::span<const std::string> files) {
    json.key("record")
        .open('{')
        .member("title", r.title())
        .member("file", r.fileName())
        .member("state", kRecordStateNames[static_cast<std::size_t>(r.state())])
        .member("focus", recordFocusText(r))
        .key("fields")
        .open('{');
    for (int i = 0; i < kFormFieldCount; ++i)
        json.member(kFormFields[static_cast<std::size_t>(i)].name, r.field(i).Text);
    json.close('}').key("units").open('{');
    for (int m = 0; m < kMeasureCount; ++m)
        json.member(kFormFields[static_cast<std::size_t>(measureField(m))].name,
                    r.unitWord(m, r.unit(m)));
    json.close('}').key("current");
    if (r.currentEntry())
        json.value(*r.currentEntry() + 1);
    else
        json.null();
    json.key("entries").open('[');
    for (std::size_t i = 0; i < r.record().entries.size(); ++i) {
        json.open('{');
        for (const auto &[name, column] : kEntryCells)
            json.member(name, r.entryCell(i, column));
        json.close('}');
    }
    json.close(']').key("files").open('[');
    for (const std::string &file : files)
        json.value(file);
    json.close(']').close('}');
}

} // namespace liftcalc
