// SPDX-License-Identifier: MIT
// The replay driver's lines for the test record window and for the files it works on.
#include "replay/replay.h"

#include "window/record_actions.h"

namespace liftcalc {
namespace {

std::pair<std::string_view, std::string_view> firstWordOf(std::string_view text) {
    const auto space = text.find(' ');
    if (space == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, space), text.substr(space + 1)};
}

// An entry as the list numbers it, from 1; its index.
std::optional<std::size_t> entryNumbered(std::string_view text, const RecordWindow &record) {
    if (text.empty() || text.size() > 5)
        return std::nullopt;
    std::size_t n = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + static_cast<std::size_t>(c - '0');
    }
    return n >= 1 && n <= record.record().entries.size() ? std::optional(n - 1) : std::nullopt;
}

std::optional<int> measureNamed(std::string_view name) {
    for (int m = 0; m < kMeasureCount; ++m)
        if (kFormFields[static_cast<std::size_t>(measureField(m))].name == name)
            return m;
    return std::nullopt;
}

} // namespace

// A line for the record window: its action, then what the action takes. FIELD is a member of
// the form ("device_id"), N an entry as the list numbers it.
//   type FIELD TEXT | focus FIELD | unit FIELD imperial|metric | select N | context N TEXT |
//   note N TEXT | verdict N pass|fail|n/a|none | click NAME | command NAME | key KEY | close
std::string Replay::actOnRecord(std::string_view arguments) {
    RecordWindow *record = window_.testRecord();
    if (!record)
        return "the test record window is not open";
    const auto [action, rest] = firstWordOf(arguments);
    const auto [first, text] = firstWordOf(rest);
    const auto noSuch = [](std::string_view what, std::string_view name) {
        return "no " + std::string(what) + " '" + std::string(name) + "' in the test record window";
    };
    std::optional<RecordAction> step;
    if (action == "type" || action == "focus") {
        const int field = formFieldNamed(action == "type" ? first : rest);
        if (field < 0)
            return noSuch("field", action == "type" ? first : rest);
        if (action == "type")
            step = TypeIntoRecord{field, std::string(text)};
        else
            step = ClickRecordField{field};
    } else if (action == "unit") {
        const auto measure = measureNamed(first);
        if (!measure || (text != "imperial" && text != "metric"))
            return noSuch("unit", rest);
        step = ChooseUnit{*measure, text == "metric" ? UnitSystem::metric : UnitSystem::imperial};
    } else if (action == "select" || action == "context" || action == "note" ||
               action == "verdict") {
        const auto entry = entryNumbered(action == "select" ? rest : first, *record);
        if (!entry)
            return noSuch("entry", action == "select" ? rest : first);
        if (action == "select") {
            step = SelectEntry{*entry};
        } else if (action == "verdict") {
            const auto verdict = verdictNamed(text);
            if (!verdict)
                return noSuch("verdict", text);
            step = SetEntryVerdict{*entry, *verdict};
        } else {
            using record::words::Column;
            step = SetEntryText{*entry, action == "context" ? Column::context : Column::note,
                                std::string(text)};
        }
    } else if (action == "click") {
        const RecordControlDesign *control = namedRow(kRecordControls, rest);
        if (!control)
            return noSuch("control", rest);
        step = ClickRecordControl{control->control};
    } else if (action == "command") {
        const RecordCommandDesign *command = namedRow(kRecordCommands, rest);
        if (!command)
            return noSuch("command", rest);
        step = ChooseRecordCommand{command->command};
    } else if (action == "key") {
        step = recordKeyAction(rest);
        if (!step)
            return noSuch("key", rest);
    } else if (action == "close" && rest.empty()) {
        step = CloseRecord{};
    } else {
        return "unknown test record action '" + std::string(arguments) + "'";
    }
    if (!perform(*record, *step))
        return "the test record window cannot take '" + std::string(arguments) + "'";
    return {};
}

// The files and answers the record window's dialogs will meet.
std::string Replay::actOnHost(std::string_view action, std::string_view arguments) {
    const auto [name, text] = firstWordOf(arguments);
    if (action == "file" || action == "unwritable") {
        if (name.empty())
            return std::string(action) + " takes a file name";
        if (action == "file")
            host_.files[std::string(name)] = text;
        else
            host_.unwritable.insert(std::string(name));
    } else if (action == "pick") {
        host_.picks.emplace_back(arguments);
    } else if (arguments == "save" || arguments == "discard" || arguments == "cancel") {
        host_.answers.push_back(arguments == "save"      ? SaveFirst::save
                                : arguments == "discard" ? SaveFirst::discard
                                                         : SaveFirst::cancel);
    } else {
        return "answer takes save, discard or cancel";
    }
    return {};
}

} // namespace liftcalc
