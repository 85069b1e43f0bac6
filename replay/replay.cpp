// SPDX-License-Identifier: MIT
#include "replay/replay.h"

#include "calculators/utf8_text.h"
#include "replay/state_json.h"
#include "window/actions.h"
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

std::optional<ControlId> buttonNamed(std::string_view name) {
    for (const auto &b : kButtons)
        if (b.name == name)
            return b.id;
    return std::nullopt;
}

std::optional<MenuItem> menuItemNamed(std::string_view name) {
    for (const auto &m : kMenus)
        if (m.name == name && m.choosable())
            return m.item;
    return std::nullopt;
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
        out << stateJson(window_, host_.shown) << '\n';
        host_.shown.clear();
        return {};
    }
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
        if (const auto control = buttonNamed(name))
            step = ClickControl{*control};
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

} // namespace liftcalc
