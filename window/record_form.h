// SPDX-License-Identifier: MIT
// The record window's form: the lift's fields, then the visit's, each a text box of the kit
// bound to one member of the record. Captions and names come from the record's words, so the
// form, the file and the PDF name a member alike.
#pragma once

#include "record/lift_figures.h"
#include "record/record.h"
#include "record/words.h"

#include <array>
#include <iterator>
#include <string>
#include <string_view>

namespace liftcalc {

// What a field holds: free text, a lift figure with its unit, or the number of plungers.
enum class FormFieldKind { text, measure, count };

struct FormFieldDesign {
    std::string_view name;    // the member in the file, "device_id", and the control's name
    std::string_view caption; // "Device ID"
    FormFieldKind kind;
    int measure = -1;   // a figure's row of record::kLiftQuantities
    bool lines = false; // takes more than one line (the address, the remarks)
    std::string &(*text)(record::Record &) = nullptr; // the member a text field edits
};

inline constexpr int kLiftFieldCount = static_cast<int>(std::size(record::words::kLiftFields));
inline constexpr int kFormFieldCount =
    kLiftFieldCount + static_cast<int>(std::size(record::words::kVisitFields));

namespace form_detail {
using record::Record;
using Member = std::string &(*)(Record &);
// The text members, in the words' order; null for the figures.
inline constexpr std::array<Member, kFormFieldCount> kMembers{
    [](Record &r) -> std::string & { return r.lift.deviceId; },
    [](Record &r) -> std::string & { return r.lift.serial; },
    [](Record &r) -> std::string & { return r.lift.location; },
    [](Record &r) -> std::string & { return r.lift.address; },
    [](Record &r) -> std::string & { return r.lift.owner; },
    [](Record &r) -> std::string & { return r.lift.maker; },
    nullptr,
    nullptr,
    nullptr,
    nullptr,
    [](Record &r) -> std::string & { return r.visit.date; },
    [](Record &r) -> std::string & { return r.visit.kind; },
    [](Record &r) -> std::string & { return r.visit.code; },
    [](Record &r) -> std::string & { return r.visit.testedBy.name; },
    [](Record &r) -> std::string & { return r.visit.testedBy.licence; },
    [](Record &r) -> std::string & { return r.visit.testedBy.company; },
    [](Record &r) -> std::string & { return r.visit.witnessedBy.name; },
    [](Record &r) -> std::string & { return r.visit.witnessedBy.agency; },
    [](Record &r) -> std::string & { return r.visit.remarks; },
};

constexpr std::array<FormFieldDesign, kFormFieldCount> formTable() {
    std::array<FormFieldDesign, kFormFieldCount> table{};
    for (int i = 0; i < kFormFieldCount; ++i) {
        const auto &words = i < kLiftFieldCount ? record::words::kLiftFields[i]
                                                : record::words::kVisitFields[i - kLiftFieldCount];
        FormFieldDesign &row = table[static_cast<std::size_t>(i)];
        row.name = words.member;
        row.caption = words.caption;
        row.text = kMembers[static_cast<std::size_t>(i)];
        // The number of plungers is the lift's one count; the figures with units are found
        // below; everything else is text.
        row.kind = row.name == "plungers" ? FormFieldKind::count : FormFieldKind::text;
        for (std::size_t q = 0; q < std::size(record::kLiftQuantities); ++q)
            if (record::kLiftQuantities[q].member == row.name) {
                row.kind = FormFieldKind::measure;
                row.measure = static_cast<int>(q);
            }
        row.lines = row.name == "address" || row.name == "remarks";
    }
    return table;
}
} // namespace form_detail

// Indexed by the field's slot, as the window's changes name it. Not inline, as the quantities
// table it reads is each file's own.
constexpr std::array<FormFieldDesign, kFormFieldCount> kFormFields = form_detail::formTable();

// The slot of the field whose member is NAME; -1 for none.
constexpr int formFieldNamed(std::string_view name) {
    for (int i = 0; i < kFormFieldCount; ++i)
        if (kFormFields[static_cast<std::size_t>(i)].name == name)
            return i;
    return -1;
}

// The field of a lift figure with a unit (a row of record::kLiftQuantities).
constexpr int measureField(int measure) {
    return formFieldNamed(record::kLiftQuantities[static_cast<std::size_t>(measure)].member);
}
inline constexpr int kMeasureCount = static_cast<int>(std::size(record::kLiftQuantities));

} // namespace liftcalc
