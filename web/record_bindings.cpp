// SPDX-License-Identifier: MIT
// Every action does nothing while no record window is open, and a field, measure, entry,
// control or command out of range is nothing a person can do, so it does nothing.
#include "web/record_bindings.h"

#include "record/paper_words.h"
#include "web/design_json.h"
#include "web/field_value.h"
#include "web/record_change.h"
#include "window/record_actions.h"

#include <emscripten/val.h>

namespace liftcalc::web {
namespace {

using emscripten::val;
namespace words = record::words;

val text(std::string_view s) {
    return val(std::string(s));
}

RecordWindow *openRecord(PageWindow &p) {
    RecordWindow *w = p.record();
    return w && w->isOpen() ? w : nullptr;
}

bool act(PageWindow &p, const RecordAction &action) {
    RecordWindow *w = openRecord(p);
    return w && perform(*w, action);
}

bool recordOpen(PageWindow &p) {
    return openRecord(p) != nullptr;
}

val recordField(PageWindow &p, int field) {
    if (!p.record() || field < 0 || field >= kFormFieldCount)
        return val::null();
    return fieldValue(p.record()->field(field));
}

// The title, each measure's unit system, the current entry, the number of entries, which
// controls can be used and the focus: a field, a measure's unit, or a control.
val recordState(PageWindow &p) {
    if (!p.record())
        return val::null();
    const RecordWindow &w = *p.record();
    val out = val::object();
    out.set("title", w.title());
    val imperial = val::array();
    for (int m = 0; m < kMeasureCount; ++m)
        imperial.call<void>("push", w.unit(m) == UnitSystem::imperial);
    out.set("imperial", imperial);
    out.set("entries", static_cast<double>(w.record().entries.size()));
    out.set("current", w.currentEntry() ? static_cast<double>(*w.currentEntry()) : -1.0);
    val enabled = val::array();
    for (const RecordControlDesign &c : kRecordControls)
        enabled.call<void>("push", w.enabled(c.control));
    out.set("enabled", enabled);
    const RecordFocus focus = w.focus();
    if (const auto *field = std::get_if<FormField>(&focus))
        out.set("focusField", field->index);
    else if (const auto *unit = std::get_if<UnitChooser>(&focus))
        out.set("focusUnit", unit->measure);
    else
        out.set("focusControl", static_cast<int>(std::get<RecordControl>(focus)));
    return out;
}

// An entry's cells, one a column, and its verdict's place in the verdicts.
val recordEntry(PageWindow &p, double index) {
    if (!p.record() || index < 0 ||
        index >= static_cast<double>(p.record()->record().entries.size()))
        return val::null();
    const auto i = static_cast<std::size_t>(index);
    const RecordWindow &w = *p.record();
    val cells = val::array();
    for (std::size_t c = 0; c < std::size(words::kColumns); ++c)
        cells.call<void>("push", w.entryCell(i, static_cast<words::Column>(c)));
    val out = val::object();
    out.set("cells", cells);
    const auto &verdicts = words::kVerdicts;
    const record::Verdict verdict = w.record().entries[i].verdict;
    for (std::size_t v = 0; v < std::size(verdicts); ++v)
        if (verdicts[v].verdict == verdict)
            out.set("verdict", static_cast<int>(v));
    out.set("differs", w.record().entries[i].differs);
    return out;
}

// An entry's index from the script, where a number may be anything.
std::optional<std::size_t> entryIndex(double index) {
    if (!(index >= 0 && index <= static_cast<double>(record::kMostEntries)))
        return std::nullopt;
    return static_cast<std::size_t>(index);
}

bool recordClickField(PageWindow &p, int field) {
    return act(p, ClickRecordField{field});
}
bool recordEditField(PageWindow &p, int field, const std::string &text, int caretAt) {
    RecordWindow *w = openRecord(p);
    return w && w->editField(field, text, caretAt);
}
void recordSelectInField(PageWindow &p, int field, int start, int length) {
    if (RecordWindow *w = openRecord(p))
        w->selectInField(field, start, length);
}
bool recordChooseUnit(PageWindow &p, int measure, bool imperial) {
    return act(p, ChooseUnit{measure, imperial ? UnitSystem::imperial : UnitSystem::metric});
}
bool recordSelectEntry(PageWindow &p, double index) {
    const auto i = entryIndex(index);
    return i && act(p, SelectEntry{*i});
}
bool recordSetEntryText(PageWindow &p, double index, int column, const std::string &text) {
    const auto i = entryIndex(index);
    return i && column >= 0 && column < static_cast<int>(std::size(words::kColumns)) &&
           act(p, SetEntryText{*i, static_cast<words::Column>(column), text});
}
bool recordSetVerdict(PageWindow &p, double index, int verdict) {
    const auto i = entryIndex(index);
    return i && verdict >= 0 && verdict < static_cast<int>(std::size(words::kVerdicts)) &&
           act(p, SetEntryVerdict{*i, words::kVerdicts[verdict].verdict});
}
bool recordClick(PageWindow &p, int control) {
    return control >= 0 && control < static_cast<int>(kRecordControls.size()) &&
           act(p, ClickRecordControl{kRecordControls[static_cast<std::size_t>(control)].control});
}
bool recordCommand(PageWindow &p, int command) {
    return command >= 0 && command < static_cast<int>(kRecordCommands.size()) &&
           act(p, ChooseRecordCommand{kRecordCommands[static_cast<std::size_t>(command)].command});
}
bool recordPressKey(PageWindow &p, const std::string &name) {
    const auto action = recordKeyAction(name);
    return action && act(p, *action);
}

// A view into the module's memory: the script copies it before it calls the module again.
val recordTakeChanges(PageWindow &p) {
    const std::vector<int> &changes = p.takeRecordChanges();
    return val(emscripten::typed_memory_view(changes.size(), changes.data()));
}

// --- The browser's side -------------------------------------------------------------------
// ANSWER: its place in the design's answers.
void prepareAnswer(PageWindow &p, int answer) {
    if (answer >= 0 && answer < static_cast<int>(std::size(kSaveFirstAnswers)))
        p.host().prepare(kSaveFirstAnswers[answer].answer);
}

// BYTES: a Uint8Array, copied into the module whole.
void offerFile(PageWindow &p, const std::string &name, const val &bytes, const val &failure) {
    std::string copy(bytes["length"].as<std::size_t>(), '\0');
    val(emscripten::typed_memory_view(copy.size(), reinterpret_cast<unsigned char *>(copy.data())))
        .call<void>("set", bytes);
    p.host().offerFile(name, std::move(copy),
                       failure.isString() ? std::optional(failure.as<std::string>())
                                          : std::nullopt);
}

void clearPrepared(PageWindow &p) {
    p.host().clearPrepared();
}

val takeQuestion(PageWindow &p) {
    const auto question = p.host().takeQuestion();
    if (!question)
        return val::null();
    val out = val::object();
    out.set("title", question->title);
    out.set("prompt", question->prompt);
    return out;
}

bool takeFileWanted(PageWindow &p) {
    return p.host().takeFileWanted();
}

val takeDownloads(PageWindow &p) {
    val out = val::array();
    for (const Download &d : p.host().takeDownloads()) {
        val row = val::object();
        row.set("name", d.name);
        row.set("type", d.type);
        row.set("bytes", d.bytes);
        row.set("share", d.share);
        out.call<void>("push", row);
    }
    return out;
}

val paperValue(const std::optional<Paper> &paper) {
    if (!paper)
        return val::null();
    val out = val::object();
    out.set("html", paper->html);
    out.set("id", paper->id);
    out.set("pageOf", text(words::kPageOf));
    out.set("printed", text(words::kPrinted));
    return out;
}

// The pages to print, asked for by Print or Export PDF; null when none were.
val takePaper(PageWindow &p) {
    return paperValue(p.host().takePaper());
}

// The record's pages as they stand, for the browser's own print; null before any record.
val recordPaper(PageWindow &p) {
    return paperValue(p.host().paperOf(p.record() ? &p.record()->record() : nullptr));
}

val takeKept(PageWindow &p) {
    const auto bytes = p.host().takeKept();
    return bytes ? val(*bytes) : val::null();
}

// The next file written is shared with another app rather than downloaded.
void shareNextFile(PageWindow &p) {
    p.host().shareNextFile();
}

} // namespace

void bindRecord(const emscripten::class_<PageWindow> &page) {
    emscripten::function("recordDesign", &recordDesignJson);
    page.function("recordOpen", &recordOpen)
        .function("recordField", &recordField)
        .function("recordState", &recordState)
        .function("recordEntry", &recordEntry)
        .function("recordClickField", &recordClickField)
        .function("recordEditField", &recordEditField)
        .function("recordSelectInField", &recordSelectInField)
        .function("recordChooseUnit", &recordChooseUnit)
        .function("recordSelectEntry", &recordSelectEntry)
        .function("recordSetEntryText", &recordSetEntryText)
        .function("recordSetVerdict", &recordSetVerdict)
        .function("recordClick", &recordClick)
        .function("recordCommand", &recordCommand)
        .function("recordPressKey", &recordPressKey)
        .function("recordTakeChanges", &recordTakeChanges)
        .function("prepareAnswer", &prepareAnswer)
        .function("offerFile", &offerFile)
        .function("clearPrepared", &clearPrepared)
        .function("takeQuestion", &takeQuestion)
        .function("takeFileWanted", &takeFileWanted)
        .function("takeDownloads", &takeDownloads)
        .function("takePaper", &takePaper)
        .function("recordPaper", &recordPaper)
        .function("takeKept", &takeKept)
        .function("shareNextFile", &shareNextFile);
}

} // namespace liftcalc::web
