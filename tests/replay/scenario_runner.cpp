// SPDX-License-Identifier: MIT
#include "scenario_runner.h"

#include "json_value.h"
#include "platform/locale_format.h"
#include "replay/replay.h"

#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace liftcalc::testing {
namespace {

constexpr double kWhite = 16777215;
constexpr double kYellow = 65535;

std::vector<std::string> words(std::string_view s) {
    std::vector<std::string> out;
    std::istringstream in{std::string(s)};
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

// Quoted strings of an `expect message` or `expect format` line, with \r \n \t \" \\.
std::optional<std::vector<std::string>> quoted(std::string_view s) {
    std::vector<std::string> out;
    std::size_t i = 0;
    while (true) {
        while (i < s.size() && s[i] == ' ')
            ++i;
        if (i == s.size())
            return out;
        if (s[i++] != '"')
            return std::nullopt;
        std::string text;
        for (;; ++i) {
            if (i >= s.size())
                return std::nullopt;
            if (s[i] == '"')
                break;
            if (s[i] == '\\' && i + 1 < s.size()) {
                const char e = s[++i];
                text += e == 'r' ? '\r' : e == 'n' ? '\n' : e == 't' ? '\t' : e;
            } else {
                text += s[i];
            }
        }
        ++i;
        out.push_back(std::move(text));
    }
}

// The text of an expectation: as written, or, when it stands in double quotes, unquoted (so
// that blanks at its edges survive an editor, and "" is the empty text).
std::string literal(std::string_view s) {
    if (s.size() >= 2 && s.front() == '"' && s.back() == '"')
        if (auto texts = quoted(s); texts && texts->size() == 1)
            return texts->front();
    return std::string(s);
}

struct Message {
    std::string title, prompt;
    double buttons;
};

class Runner {
public:
    explicit Runner(const std::filesystem::path &file) : path_(file.string()) {}

    void run() {
        std::ifstream in(path_, std::ios::binary);
        ASSERT_TRUE(in) << "cannot read " << path_;
        std::string line;
        for (line_ = 1; std::getline(in, line); ++line_)
            step(line);
        --line_;
        reportUnexpectedError();
        if (!replay_)
            return;
        refresh();
        for (const auto &m : pending_)
            fail() << "message box never expected: \"" << m.title << "\" \"" << m.prompt << "\"";
    }

private:
    // Reports at the current line of the scenario file.
    struct Report {
        std::string file;
        int line;
        std::ostringstream text;
        ~Report() { ADD_FAILURE_AT(file.c_str(), line) << text.str(); }
        template <class T> Report &operator<<(const T &v) {
            text << v;
            return *this;
        }
    };
    Report fail(int at = 0) { return Report{path_, at ? at : line_, {}}; }

    void step(std::string_view line) {
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        std::string_view rest = line;
        while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t'))
            rest.remove_prefix(1);
        if (rest.empty() || rest.front() == '#')
            return;
        if (rest.starts_with("locale ")) {
            if (replay_) {
                fail() << "locale must come before the first action";
                return;
            }
            auto format = numberFormatNamed(words(rest.substr(7)).at(0));
            if (!format) {
                fail() << "unknown locale";
                return;
            }
            format_ = *format;
            return;
        }
        if (!replay_)
            replay_.emplace(format_);
        if (rest.starts_with("expect ")) {
            expect(rest.substr(7));
            return;
        }
        reportUnexpectedError();
        std::ostringstream out;
        replay_->runLine(line, line_, out);
        take(out.str(), line_);
    }

    // Reads what the driver wrote: an error line, or a dump whose messages are kept.
    void take(const std::string &output, int at) {
        std::istringstream lines(output);
        for (std::string one; std::getline(lines, one);) {
            auto json = parseJson(one);
            if (!json) {
                fail(at) << "the driver wrote a line that is not JSON: " << one;
                continue;
            }
            if (json->has("error")) {
                error_ = {at, (*json)["error"].text};
                continue;
            }
            state_ = *json;
            for (const auto &m : (*json)["messages"].items)
                pending_.push_back({m["title"].text, m["prompt"].text, m["buttons"].number});
        }
    }

    void refresh() {
        std::ostringstream out;
        replay_->runLine("dump", line_, out);
        take(out.str(), line_);
    }

    void reportUnexpectedError() {
        if (error_)
            fail(error_->first) << "unexpected error line: " << error_->second;
        error_.reset();
    }

    const JsonValue &field(const std::string &index) {
        return state_["fields"][static_cast<std::size_t>(std::stoi(index))];
    }

    void expect(std::string_view what) {
        const auto w = words(what);
        if (w.empty()) {
            fail() << "empty expectation";
            return;
        }
        const std::string &kind = w[0];
        if (kind == "error") {
            if (!error_)
                fail() << "expected the line before to be refused with an error line";
            else if (error_->second.rfind("line " + std::to_string(error_->first) + ": ", 0) != 0)
                fail() << "error line does not name its line " << error_->first << ": "
                       << error_->second;
            error_.reset();
            return;
        }
        reportUnexpectedError();
        refresh();
        if (kind == "text") {
            // Everything after "text N " is the exact text.
            const std::size_t at = what.find(' ', 5);
            const std::string expected =
                at == std::string_view::npos ? "" : literal(what.substr(at + 1));
            const std::string actual = field(w.at(1))["text"].text;
            if (actual != expected)
                fail() << "Text1(" << w[1] << ") holds \"" << actual << "\", expected \""
                       << expected << "\"";
        } else if (kind == "empty" || kind == "open" || kind == "locked" || kind == "hidden" ||
                   kind == "visible") {
            for (std::size_t i = 1; i < w.size(); ++i)
                checkFieldState(kind, w[i]);
        } else if (kind == "focus") {
            const auto &focus = state_["focus"];
            const std::string actual = focus.kind == JsonValue::Kind::Null ? "none" : focus.text;
            if (actual != w.at(1))
                fail() << "focus is on " << actual << ", expected " << w[1];
        } else if (kind == "selection") {
            const auto &f = field(w.at(1));
            if (f["selStart"].number != std::stod(w.at(2)) ||
                f["selLength"].number != std::stod(w.at(3)))
                fail() << "Text1(" << w[1] << ") selection is " << f["selStart"].number << " "
                       << f["selLength"].number << ", expected " << w[2] << " " << w[3];
        } else if (kind == "left") {
            if (field(w.at(1))["left"].number != std::stod(w.at(2)))
                fail() << "Text1(" << w[1] << ") Left is " << field(w[1])["left"].number;
        } else if (kind == "heading" || kind == "tooltip") {
            const std::string expected =
                literal(what.substr(std::min(what.size(), kind.size() + 1)));
            const std::string actual =
                state_[kind == "heading" ? "heading" : "displacementTip"].text;
            if (actual != expected)
                fail() << kind << " is \"" << actual << "\", expected \"" << expected << "\"";
        } else if (kind == "message") {
            auto texts = quoted(what.substr(8));
            if (!texts || texts->size() != 2) {
                fail() << "write: expect message \"TITLE\" \"PROMPT\"";
            } else if (pending_.empty()) {
                fail() << "no message box was shown";
            } else {
                const Message m = pending_.front();
                pending_.pop_front();
                if (m.title != (*texts)[0] || m.prompt != (*texts)[1] || m.buttons != 0)
                    fail() << "message box \"" << m.title << "\" \"" << m.prompt << "\" buttons "
                           << m.buttons;
            }
        } else if (kind == "no" && w.size() == 2 && w[1] == "message") {
            for (const auto &m : pending_)
                fail() << "unexpected message box \"" << m.title << "\" \"" << m.prompt << "\"";
            pending_.clear();
        } else if (kind == "checked" || kind == "unchecked") {
            for (std::size_t i = 1; i < w.size(); ++i) {
                const auto &item = state_["menus"][w[i]];
                if (item.kind != JsonValue::Kind::Bool || item.boolean != (kind == "checked"))
                    fail() << w[i] << " is not " << kind;
            }
        } else if (kind == "mode") {
            if (state_["imperialMode"].boolean != (w.at(1) == "imperial"))
                fail() << "ImperialMode is " << state_["imperialMode"].boolean;
        } else if (kind == "option") {
            const auto &o = state_["options"][w.at(1)];
            const bool value = w.at(2) == "selected";
            const double colour = w.at(3) == "red" ? 255 : 0;
            const bool bold = w.at(4) == "bold";
            if (o["value"].boolean != value || o["foreColor"].number != colour ||
                o["bold"].boolean != bold)
                fail() << w[1] << " is value " << o["value"].boolean << ", colour "
                       << o["foreColor"].number << ", bold " << o["bold"].boolean;
        } else if (kind == "loaded" || kind == "formLoaded") {
            if (state_[kind].boolean != (w.at(1) == "true"))
                fail() << kind << " is " << state_[kind].boolean;
        } else if (kind == "format") {
            auto texts = quoted(what.substr(7));
            const auto &f = state_["numberFormat"];
            if (!texts || texts->size() != 3 || f["decimal"].text != (*texts)[0] ||
                f["group"].text != (*texts)[1] || f["minus"].text != (*texts)[2])
                fail() << "number format is \"" << f["decimal"].text << "\" \"" << f["group"].text
                       << "\" \"" << f["minus"].text << "\"";
        } else {
            fail() << "unknown expectation: " << kind;
        }
    }

    void checkFieldState(const std::string &kind, const std::string &index) {
        const auto &f = field(index);
        bool ok = false;
        if (kind == "empty")
            ok = f["text"].text.empty();
        else if (kind == "open")
            ok = !f["locked"].boolean && f["tabStop"].boolean && f["backColor"].number == kWhite;
        else if (kind == "locked")
            ok = f["locked"].boolean && !f["tabStop"].boolean && f["backColor"].number == kYellow;
        else
            ok = f["visible"].boolean == (kind == "visible");
        if (!ok)
            fail() << "Text1(" << index << ") is not " << kind << ": text \"" << f["text"].text
                   << "\" visible " << f["visible"].boolean << " locked " << f["locked"].boolean
                   << " tabStop " << f["tabStop"].boolean << " backColor "
                   << static_cast<long>(f["backColor"].number);
    }

    std::string path_;
    int line_ = 0;
    NumberFormat format_ = NumberFormat::english();
    std::optional<Replay> replay_;
    JsonValue state_;
    std::deque<Message> pending_;
    std::optional<std::pair<int, std::string>> error_;
};

} // namespace

void runScenario(const std::filesystem::path &file) {
    Runner(file).run();
}

} // namespace liftcalc::testing
