// SPDX-License-Identifier: MIT
#include "replay/replay.h"

#include "calculators/utf8_text.h"
#include "replay/state_json.h"
#include "window/actions.h"
#include "window/checks_actions.h"
#include "json/json_writer.h"

#include <istream>
#include <ostream>

namespace liftcalc {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimmed(std::string_view s) {
    while (!s.empty() && isBlank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isBlank(s.back()))
        s.remove_suffix(1);
    return s;
}

std::optional<int> fieldNumber(std::string_view text) {
    if (text.empty() || text.size() > 2)
        return std::nullopt;
    int n = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        n = n * 10 + (c - '0');
    }
    return n < kFieldCount ? std::optional<int>(n) : std::nullopt;
}

std::optional<MenuItem> menuItemNamed(std::string_view name) {
    for (const auto &m : kMenus)
        if (m.name == name && m.choosable())
            return m.item;
    return std::nullopt;
}

std::optional<int> rowNumber(std::string_view text, const ChecksWindow &checks) {
    if (text.empty() || text.size() > 1 || text[0] < '0' || text[0] > '9')
        return std::nullopt;
    const int row = text[0] - '0';
    return row < checks.check().rowCount() ? std::optional(row) : std::nullopt;
}

std::optional<int> checkNamed(std::string_view name) {
    for (std::size_t i = 0; i < checks::kAll.size(); ++i)
        if (checks::kAll[i]->command == name)
            return static_cast<int>(i);
    return std::nullopt;
}

// The word after the action and what follows it.
std::pair<std::string_view, std::string_view> firstWord(std::string_view text) {
    const auto space = text.find(' ');
    if (space == std::string_view::npos)
        return {text, {}};
    return {text.substr(0, space), text.substr(space + 1)};
}

} // namespace

Replay::Replay(const NumberFormat &format) : window_(host_, format) {
    window_.start();
}

bool Replay::run(std::istream &in, std::ostream &out) {
    bool allCarriedOut = true;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number)
        allCarriedOut &= runLine(line, number, out);
    return allCarriedOut;
}

bool Replay::runLine(std::string_view line, int lineNumber, std::ostream &out) {
    if (line.ends_with('\r'))
        line.remove_suffix(1);
    std::string_view rest = line;
    while (!rest.empty() && isBlank(rest.front()))
        rest.remove_prefix(1);
    if (rest.empty() || rest.front() == '#')
        return true;

    const auto space = rest.find(' ');
    const std::string_view action = rest.substr(0, space);
    const std::string_view arguments =
        space == std::string_view::npos ? std::string_view() : rest.substr(space + 1);
    std::string why = act(action, arguments, out);
    if (why.empty())
        return true;
    // The reason may quote the line, which can hold any bytes; the output stays valid UTF-8.
    out << "{\"error\": "
        << json::quoted(validUtf8("line " + std::to_string(lineNumber) + ": " + why)) << "}\n";
    return false;
}

std::string Replay::act(std::string_view action, std::string_view arguments, std::ostream &out) {
    if (action == "dump") {
        if (!trimmed(arguments).empty())
            return "dump takes no argument";
        const std::span<const std::string> written(host_.log.begin() + logged_, host_.log.end());
        out << stateJson(window_, host_.shown, window_.fieldChecks(), window_.testRecord(), written)
            << '\n';
        host_.shown.clear();
        logged_ = host_.log.size();
        return {};
    }
    if (action == "checks")
        return actOnChecks(arguments);
    if (action == "record")
        return actOnRecord(arguments);
    if (action == "file" || action == "unwritable" || action == "pick" || action == "answer")
        return actOnHost(action, arguments);
    if (action != "focus" && action != "type" && action != "click" && action != "key" &&
        action != "menu" && action != "close")
        return "unknown action '" + std::string(action) + "'";
    if (!window_.loaded())
        return "the window is gone";

    if (action == "focus" || action == "type") {
        // TEXT is everything after "type N ", blanks included.
        const auto space = arguments.find(' ');
        const std::string_view number =
            action == "type" ? arguments.substr(0, space) : trimmed(arguments);
        const auto index = fieldNumber(number);
        if (!index)
            return "no field Text1(" + std::string(number) + ")";
        if (!window_.Text1(*index).Visible)
            return "Text1(" + std::to_string(*index) + ") is hidden";
        if (action == "focus") {
            perform(window_, ClickField{*index});
        } else {
            const std::string_view text =
                space == std::string_view::npos ? std::string_view() : arguments.substr(space + 1);
            perform(window_, TypeInto{*index, std::string(text)});
        }
        return {};
    }

    const std::string_view name = trimmed(arguments);
    std::optional<Action> step;
    if (action == "click") {
        if (const ButtonDesign *button = namedRow(kButtons, name))
            step = ClickControl{button->id};
        else
            return "no control '" + std::string(name) + "' to click";
    } else if (action == "key") {
        step = keyAction(name);
        if (!step)
            return "no key '" + std::string(name) + "'";
    } else if (action == "menu") {
        if (const auto item = menuItemNamed(name))
            step = ChooseMenu{*item};
        else
            return "no menu item '" + std::string(name) + "'";
    } else {
        if (!name.empty())
            return "close takes no argument";
        step = CloseWindow{};
    }
    perform(window_, *step);
    return {};
}

// A line for the field checks window: its action, then what the action takes.
std::string Replay::actOnChecks(std::string_view arguments) {
    ChecksWindow *checks = window_.fieldChecks();
    if (!checks)
        return "the field checks window is not open";
    const auto [action, rest] = firstWord(arguments);
    std::optional<ChecksAction> step;
    if (action == "type") {
        // TEXT is everything after "checks type ROW ", blanks included.
        const auto [number, text] = firstWord(rest);
        const auto row = rowNumber(number, *checks);
        if (!row)
            return "no row " + std::string(number) + " in this check";
        step = TypeIntoCheck{checks->typedField(*row), std::string(text)};
    } else if (action == "focus") {
        const auto [number, column] = firstWord(trimmed(rest));
        const auto row = rowNumber(number, *checks);
        if (!row)
            return "no row " + std::string(number) + " in this check";
        if (column != "imperial" && column != "metric")
            return "no column '" + std::string(column) + "': imperial or metric";
        step = ClickCheckField{{*row, column == "metric"}};
    } else if (action == "choose") {
        const auto index = checkNamed(trimmed(rest));
        if (!index)
            return "no check '" + std::string(trimmed(rest)) + "'";
        step = ChooseCheck{*index};
    } else if (action == "click") {
        const ChecksControlDesign *control = namedRow(kChecksControls, trimmed(rest));
        if (!control)
            return "no control '" + std::string(trimmed(rest)) + "' in the field checks window";
        step = ClickChecksControl{control->control};
    } else if (action == "key") {
        step = checksKeyAction(trimmed(rest));
        if (!step)
            return "no key '" + std::string(trimmed(rest)) + "' in the field checks window";
    } else if (action == "find" && !rest.empty()) {
        // The letters typed on the chooser in quick succession, blanks included, one at a
        // time: the chooser answers each as a front end passes it on.
        for (std::size_t end = 1; end <= rest.size(); ++end)
            if (end == rest.size() || (rest[end] & 0xC0) != 0x80)
                if (!perform(*checks, TypeOnChooser{std::string(rest.substr(0, end))}))
                    return "the field checks window cannot take '" + std::string(arguments) + "'";
        return {};
    } else if (action == "close" && trimmed(rest).empty()) {
        step = CloseChecks{};
    } else {
        return "unknown field checks action '" + std::string(arguments) + "'";
    }
    if (!perform(*checks, *step))
        return "the field checks window cannot take '" + std::string(arguments) + "'";
    return {};
}

} // namespace liftcalc
