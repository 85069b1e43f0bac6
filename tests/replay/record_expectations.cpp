// SPDX-License-Identifier: MIT
#include "record_expectations.h"

#include "replay/record_json.h"
#include "window/record_actions.h"

namespace liftcalc::testing {
namespace {

// The text after the first COUNT words of WHAT.
std::string_view after(std::string_view what, int count) {
    std::size_t at = 0;
    for (int i = 0; i < count; ++i) {
        at = what.find_first_not_of(' ', at);
        at = what.find(' ', at);
        if (at == std::string_view::npos)
            return {};
    }
    return what.substr(at + 1);
}

std::string compared(std::string_view name, const std::string &actual,
                     const std::string &expected) {
    return actual == expected
               ? std::string()
               : std::string(name) + " is \"" + actual + "\", expected \"" + expected + "\"";
}

} // namespace

std::string recordExpectationFailure(const Replay &replay, std::string_view what,
                                     const std::vector<std::string> &w,
                                     const std::function<std::string(std::string_view)> &literal) {
    const RecordWindow *r = replay.recordWindow();
    const std::string kind = w.size() > 1 ? w[1] : "";
    if (kind == "closed" || kind == "open")
        return (r != nullptr) == (kind == "open") ? "" : "the test record window is not " + kind;
    if (kind == "written")
        return replay.files().contains(w.at(2)) ? "" : "no file " + w[2] + " was written";
    if (!r)
        return "the test record window is not open";
    if (kind == "entries")
        return compared("the number of entries", std::to_string(r->record().entries.size()),
                        w.at(2));
    if (kind == "current")
        return compared("the current entry",
                        r->currentEntry() ? std::to_string(*r->currentEntry() + 1) : "none",
                        w.at(2));
    if (kind == "state")
        return compared("the state",
                        std::string(kRecordStateNames[static_cast<std::size_t>(r->state())]),
                        w.at(2));
    if (kind == "file")
        return compared("the file", r->fileName(), literal(after(what, 2)));
    if (kind == "focus")
        return compared("the focus", recordFocusText(*r), std::string(after(what, 2)));
    if (kind == "field" || kind == "unit") {
        const int field = formFieldNamed(w.at(2));
        if (field < 0)
            return "no field " + w[2];
        if (kind == "field")
            return compared(w[2], r->field(field).Text, literal(after(what, 3)));
        const int measure = kFormFields[static_cast<std::size_t>(field)].measure;
        if (measure < 0)
            return w[2] + " has no unit";
        return compared(w[2] + "'s unit", std::string(r->unitWord(measure, r->unit(measure))),
                        w.at(3));
    }
    if (kind == "cell") {
        const std::size_t entry = std::stoul(w.at(2));
        for (const auto &[name, column] : kEntryCells)
            if (name == w.at(3))
                return compared("entry " + w[2] + "'s " + w[3],
                                entry >= 1 ? r->entryCell(entry - 1, column) : "",
                                literal(after(what, 4)));
        return "no column " + w[3];
    }
    return "unknown test record expectation: " + std::string(what);
}

} // namespace liftcalc::testing
