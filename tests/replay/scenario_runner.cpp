// SPDX-License-Identifier: MIT
#include "scenario_runner.h"

#include "platform/locale_format.h"
#include "record_expectations.h"
#include "replay/replay.h"
#include "replay/state_json.h"
#include "tests/support/scenario.h"
#include "window/actions.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace liftcalc::testing {
namespace {

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

std::string focusName(std::optional<ControlId> id) {
    return id ? controlName(*id) : "none";
}

class Runner {
public:
    explicit Runner(const std::filesystem::path &file) : path_(file.string()) {}

    void run() {
        const auto scenario = readScenario(path_);
        ASSERT_TRUE(scenario) << "cannot read " << path_;
        for (const auto &[at, problem] : scenario->problems)
            fail(at) << problem;
        const auto format = numberFormatNamed(scenario->locale);
        if (!format) {
            fail(scenario->localeLine) << "unknown locale";
            return;
        }
        replay_.emplace(*format);
        for (const ScenarioLine &line : scenario->lines) {
            line_ = line.number;
            if (line.expectation)
                expect(line.text);
            else
                act(line.text);
        }
        reportUnexpectedError();
        takeMessages();
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

    void act(std::string_view line) {
        reportUnexpectedError();
        std::ostringstream out;
        if (!replay_->runLine(line, line_, out))
            error_ = {line_, out.str()};
        takeMessages();
    }

    void takeMessages() {
        for (auto &m : replay_->takeMessages())
            pending_.push_back(std::move(m));
    }

    void reportUnexpectedError() {
        if (error_)
            fail(error_->first) << "unexpected error line: " << error_->second;
        error_.reset();
    }

    const Window &window() const { return replay_->window(); }
    const Field &field(const std::string &index) const { return window().Text1(std::stoi(index)); }

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
            else if (!error_->second.starts_with("{\"error\": \"line " +
                                                 std::to_string(error_->first) + ": "))
                fail() << "error line does not name its line " << error_->first << ": "
                       << error_->second;
            error_.reset();
            return;
        }
        reportUnexpectedError();
        if (kind == "text") {
            // Everything after "text N " is the exact text.
            const std::size_t at = what.find(' ', 5);
            const std::string expected =
                at == std::string_view::npos ? "" : literal(what.substr(at + 1));
            const std::string &actual = field(w.at(1)).Text;
            if (actual != expected)
                fail() << "Text1(" << w[1] << ") holds \"" << actual << "\", expected \""
                       << expected << "\"";
        } else if (kind == "empty" || kind == "open" || kind == "locked" || kind == "hidden" ||
                   kind == "visible") {
            for (std::size_t i = 1; i < w.size(); ++i)
                checkFieldState(kind, w[i]);
        } else if (kind == "focus") {
            const std::string actual = focusName(window().focus());
            if (actual != w.at(1))
                fail() << "focus is on " << actual << ", expected " << w[1];
        } else if (kind == "selection") {
            const Field &f = field(w.at(1));
            if (f.SelStart != std::stoi(w.at(2)) || f.SelLength != std::stoi(w.at(3)))
                fail() << "Text1(" << w[1] << ") selection is " << f.SelStart << " " << f.SelLength
                       << ", expected " << w[2] << " " << w[3];
        } else if (kind == "left") {
            if (field(w.at(1)).Left != std::stoi(w.at(2)))
                fail() << "Text1(" << w[1] << ") Left is " << field(w[1]).Left;
        } else if (kind == "heading" || kind == "tooltip") {
            const std::string expected =
                literal(what.substr(std::min(what.size(), kind.size() + 1)));
            const Label &label =
                window().Label1(kind == "heading" ? kHeadingLabel : kDisplacementLabel);
            const std::string &actual = kind == "heading" ? label.Caption : label.ToolTipText;
            if (actual != expected)
                fail() << kind << " is \"" << actual << "\", expected \"" << expected << "\"";
        } else if (kind == "message") {
            auto texts = quoted(what.substr(8));
            if (!texts || texts->empty() || texts->size() > 2) {
                fail() << "write: expect message \"TITLE\" \"PROMPT\" (or the title alone)";
            } else if (pending_.empty()) {
                fail() << "no message box was shown";
            } else {
                const MessageBox m = pending_.front();
                pending_.pop_front();
                if (m.title != (*texts)[0] || (texts->size() == 2 && m.prompt != (*texts)[1]) ||
                    m.buttons != 0)
                    fail() << "message box \"" << m.title << "\" \"" << m.prompt << "\" buttons "
                           << m.buttons;
            }
        } else if (kind == "no" && w.size() == 2 && w[1] == "message") {
            for (const auto &m : pending_)
                fail() << "unexpected message box \"" << m.title << "\" \"" << m.prompt << "\"";
            pending_.clear();
        } else if (kind == "checked" || kind == "unchecked") {
            for (std::size_t i = 1; i < w.size(); ++i) {
                const MenuDesign *menu = namedRow(kMenus, w[i]);
                if (!menu || !menu->choosable() ||
                    window().checked(menu->item) != (kind == "checked"))
                    fail() << w[i] << " is not " << kind;
            }
        } else if (kind == "mode") {
            if (window().imperialMode() != (w.at(1) == "imperial"))
                fail() << "ImperialMode is " << window().imperialMode();
        } else if (kind == "option") {
            const OptionButton &o =
                w.at(1) == "optImperial" ? window().optImperial() : window().optMetric();
            const bool value = w.at(2) == "selected";
            const Colour colour = w.at(3) == "red" ? colours::red : colours::black;
            const bool bold = w.at(4) == "bold";
            if (o.Value != value || o.ForeColor != colour || o.FontBold != bold)
                fail() << w[1] << " is value " << o.Value << ", colour " << o.ForeColor << ", bold "
                       << o.FontBold;
        } else if (kind == "loaded" || kind == "formLoaded") {
            const bool actual = kind == "loaded" ? window().loaded() : window().formLoaded();
            if (actual != (w.at(1) == "true"))
                fail() << kind << " is " << actual;
        } else if (kind == "format") {
            auto texts = quoted(what.substr(7));
            const NumberFormat &f = window().numberFormat();
            if (!texts || texts->size() != 3 || f.decimal != (*texts)[0] ||
                f.group != (*texts)[1] || f.minus != (*texts)[2])
                fail() << "number format is \"" << f.decimal << "\" \"" << f.group << "\" \""
                       << f.minus << "\"";
        } else if (kind == "checks") {
            expectChecks(what, w);
        } else if (kind == "record") {
            if (const std::string why = recordExpectationFailure(*replay_, what, w, literal);
                !why.empty())
                fail() << why;
        } else {
            fail() << "unknown expectation: " << kind;
        }
    }

    // The field checks window: "checks closed", "checks check NAME", "checks focus WHAT" (as
    // the dump names it), "checks text ROW imperial|metric TEXT", "checks locked ROW COLUMN".
    void expectChecks(std::string_view what, const std::vector<std::string> &w) {
        const ChecksWindow *checks = replay_->checksWindow();
        if (w.size() == 2 && w[1] == "closed") {
            if (checks)
                fail() << "the field checks window is open";
            return;
        }
        if (!checks) {
            fail() << "the field checks window is not open";
            return;
        }
        if (w.size() == 3 && w[1] == "check") {
            if (checks->check().command != w[2])
                fail() << "the check is " << checks->check().command << ", expected " << w[2];
        } else if (w.size() >= 3 && w[1] == "focus") {
            const std::string expected(what.substr(what.find("focus") + 6));
            const std::string actual = checksFocusText(*checks);
            if (actual != expected)
                fail() << "checks focus is on " << actual << ", expected " << expected;
        } else if (w.size() >= 4 && (w[1] == "text" || w[1] == "locked")) {
            const CheckField field{std::stoi(w[2]), w[3] == "metric"};
            const Field &f = checks->field(field);
            if (w[1] == "locked") {
                if (!f.Locked)
                    fail() << "checks row " << w[2] << " " << w[3] << " is open";
                return;
            }
            std::size_t at = what.find(w[3], what.find(w[2], 12)) + w[3].size();
            const std::string expected = at < what.size() ? literal(what.substr(at + 1)) : "";
            if (f.Text != expected)
                fail() << "checks row " << w[2] << " " << w[3] << " holds \"" << f.Text
                       << "\", expected \"" << expected << "\"";
        } else {
            fail() << "unknown field checks expectation: " << what;
        }
    }

    void checkFieldState(const std::string &kind, const std::string &index) {
        const Field &f = field(index);
        bool ok = false;
        if (kind == "empty")
            ok = f.Text.empty();
        else if (kind == "open")
            ok = !f.Locked && f.TabStop && f.BackColor == colours::white;
        else if (kind == "locked")
            ok = f.Locked && !f.TabStop && f.BackColor == colours::yellow;
        else
            ok = f.Visible == (kind == "visible");
        if (!ok)
            fail() << "Text1(" << index << ") is not " << kind << ": text \"" << f.Text
                   << "\" visible " << f.Visible << " locked " << f.Locked << " tabStop "
                   << f.TabStop << " backColor " << f.BackColor;
    }

    std::string path_;
    int line_ = 0;
    std::optional<Replay> replay_;
    std::deque<MessageBox> pending_;
    std::optional<std::pair<int, std::string>> error_;
};

} // namespace

void runScenario(const std::filesystem::path &file) {
    Runner(file).run();
}

} // namespace liftcalc::testing
