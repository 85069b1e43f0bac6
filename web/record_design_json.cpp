// SPDX-License-Identifier: MIT
// The test record window's design for the page: its form, units, commands, list and buttons,
// the verdicts and kinds of test, the names of its changes, and the page's own words.
#include "web/design_json.h"

#include "record/lift_figures.h"
#include "record/page_words.h"
#include "record/paper_words.h"
#include "record/record_file.h"
#include "web/page_host.h"
#include "web/record_change.h"
#include "window/record_actions.h"
#include "json/json_writer.h"

namespace liftcalc::web {
namespace {

using json::Writer;
namespace words = record::words;

template <typename Texts> Writer &texts(Writer &json, std::string_view key, const Texts &all) {
    json.key(key).open('[');
    for (const std::string_view text : all)
        json.value(text);
    return json.close(']');
}

void form(Writer &json) {
    constexpr std::string_view kKinds[] = {"text", "measure", "count"};
    json.key("fields").open('[');
    for (const FormFieldDesign &f : kFormFields)
        json.open('{')
            .member("name", f.name)
            .member("caption", f.caption)
            .member("kind", kKinds[static_cast<int>(f.kind)])
            .member("measure", f.measure)
            .member("lines", f.lines)
            .close('}');
    json.close(']').member("liftFields", kLiftFieldCount).key("measures").open('[');
    for (const record::LiftQuantity &q : record::kLiftQuantities)
        json.open('{').member("imperial", q.imperialUnit).member("metric", q.metricUnit).close('}');
    json.close(']');
    texts(json, "groups", std::to_array({words::kLiftGroup, words::kVisitGroup}));
    texts(json, "kindsOfTest", words::kKindsOfTest);
}

void controls(Writer &json) {
    json.member("commandMenu", words::kCommandMenu).key("commands").open('[');
    for (const RecordCommandDesign &c : kRecordCommands)
        json.open('{')
            .member("name", c.name)
            .member("caption", c.caption)
            .member("shortcut", c.shortcut)
            .close('}');
    json.close(']').key("controls").open('[');
    for (const RecordControlDesign &c : kRecordControls)
        json.open('{').member("name", c.name).member("caption", c.caption).close('}');
    json.close(']');
    texts(json, "columns", words::kColumns);
    texts(json, "columnNames", kColumnNames);
    json.key("verdicts").open('[');
    for (const words::VerdictWord &v : words::kVerdicts)
        json.value(v.word);
    json.close(']').key("answers").open('[');
    for (const SaveFirstAnswer &a : kSaveFirstAnswers)
        json.open('{')
            .member("caption", a.caption)
            .member("cancel", a.answer == SaveFirst::cancel)
            .close('}');
    json.close(']');
}

} // namespace

std::string recordDesignJson() {
    std::string out;
    Writer json(out);
    json.open('{').member("title", words::kTitle);
    form(json);
    controls(json);
    json.member("notKept", words::kNotKept)
        .member("download", words::kDownload)
        .member("shareCsv", words::kShareCsv)
        .member("pageOf", words::kPageOf)
        .member("printed", words::kPrinted)
        .member("largestFile", record::kLargestFile)
        .member("csvType", kCsvType);
    texts(json, "changes", kRecordChangeNames);
    json.close('}');
    return out;
}

} // namespace liftcalc::web
