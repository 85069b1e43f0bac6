// SPDX-License-Identifier: MIT
#include "record/record.h"

#include "calculators/figures.h"

#include <algorithm>

namespace liftcalc::record {
namespace {

// The command line's JSON figures: each column's text read in the regional format it was
// written in; a column without a figure is left out.
std::vector<Figure> figuresOf(std::span<const Column> columns, std::span<const std::string> texts,
                              const NumberFormat &format) {
    std::vector<Figure> figures;
    for (std::size_t i = 0; i < columns.size() && i < texts.size(); ++i)
        if (const auto value = strictValue(texts[i], format))
            figures.push_back({columns[i].key, *value == 0 ? 0.0 : *value});
    return figures;
}

template <typename T> bool setMember(Record &record, std::size_t index, T Entry::*member, T value) {
    if (index >= record.entries.size() || record.entries[index].*member == value)
        return false;
    record.entries[index].*member = std::move(value);
    return true;
}

} // namespace

std::optional<Calculated> calculatedNamed(std::string_view command, bool check) {
    if (check) {
        for (const Check *c : checks::kAll)
            if (c->command == command)
                return Calculated{nullptr, c};
    } else {
        for (const Calculator *c : calculators::kAll)
            if (c->command == command)
                return Calculated{c, nullptr};
    }
    return std::nullopt;
}

Record newRecord(std::string id, std::string now, std::string date, std::string program) {
    Record record;
    record.id = std::move(id);
    record.created = now;
    record.modified = std::move(now);
    record.program = std::move(program);
    record.visit.date = std::move(date);
    return record;
}

Entry entryOf(const Calculator &calculator, UnitSystem units, std::span<const std::string> texts,
              const NumberFormat &format, std::string time) {
    Entry entry;
    entry.time = std::move(time);
    entry.calculated = {&calculator, nullptr};
    entry.units = units;
    entry.figures = figuresOf(columnsOf(calculator), texts, format);
    return entry;
}

Entry entryOf(const Check &check, UnitSystem units, std::span<const std::string> texts,
              const NumberFormat &format, std::string time) {
    Entry entry;
    entry.time = std::move(time);
    entry.calculated = {nullptr, &check};
    entry.units = units;
    entry.figures = figuresOf(columnsOf(check), texts, format);
    return entry;
}

bool addEntry(Record &record, Entry entry) {
    if (record.entries.size() >= kMostEntries)
        return false;
    record.entries.push_back(std::move(entry));
    return true;
}

bool deleteEntry(Record &record, std::size_t index) {
    if (index >= record.entries.size())
        return false;
    record.entries.erase(record.entries.begin() + static_cast<std::ptrdiff_t>(index));
    return true;
}

bool moveEntry(Record &record, std::size_t from, std::size_t to) {
    auto &entries = record.entries;
    if (from >= entries.size() || to >= entries.size() || from == to)
        return false;
    const auto at = [&](std::size_t i) { return entries.begin() + static_cast<std::ptrdiff_t>(i); };
    if (from < to)
        std::rotate(at(from), at(from + 1), at(to + 1));
    else
        std::rotate(at(to), at(from), at(from + 1));
    return true;
}

bool setContext(Record &record, std::size_t index, std::string text) {
    return setMember(record, index, &Entry::context, std::move(text));
}

bool setVerdict(Record &record, std::size_t index, Verdict verdict) {
    return setMember(record, index, &Entry::verdict, verdict);
}

bool setNote(Record &record, std::size_t index, std::string text) {
    return setMember(record, index, &Entry::note, std::move(text));
}

} // namespace liftcalc::record
