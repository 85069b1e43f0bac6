// SPDX-License-Identifier: MIT
#include "record/record_csv.h"

#include "record/words.h"
#include "json/json_writer.h"

namespace liftcalc::record {

std::string csvField(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string recordCsv(const Record &record) {
    std::string out;
    for (std::size_t i = 0; i < std::size(kCsvColumns); ++i)
        out += (i ? "," : "") + std::string(kCsvColumns[i]);
    out += "\r\n";
    const std::string head = csvField(record.id) + ',' + csvField(record.lift.deviceId) + ',' +
                             csvField(record.visit.date) + ',';
    for (std::size_t i = 0; i < record.entries.size(); ++i) {
        const Entry &entry = record.entries[i];
        const std::string before = head + std::to_string(i + 1) + ',' + csvField(entry.time) + ',' +
                                   csvField(entry.calculated.command()) + ',' +
                                   std::string(words::unitSystemWord(entry.units).code) + ',';
        const std::string after = ',' + std::string(words::verdictWord(entry.verdict).code) + ',' +
                                  csvField(entry.context) + ',' + csvField(entry.note) + "\r\n";
        for (const Figure &figure : entry.figures)
            out += before + csvField(figure.key) + ',' + json::numberText(figure.value) + after;
    }
    return out;
}

} // namespace liftcalc::record
