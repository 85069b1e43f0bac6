// SPDX-License-Identifier: MIT
// The liftcalc-replay command itself: where it reads, what it writes, and its exit status.
#include "calculators/utf8_text.h"
#include "tests/support/worked_example.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace liftcalc::testing {
namespace {

// What one run of the replay driver gave.
struct ReplayRun {
    int status = -1;
    std::vector<std::string> lines; // standard output
    std::string errors;             // standard error
};

std::filesystem::path scratch(const std::string &name) {
    // Named after the test, so that tests run side by side never share a file.
    const std::string test = ::testing::UnitTest::GetInstance()->current_test_info()->name();
    return std::filesystem::path(::testing::TempDir()) / ("liftcalc_replay_" + test + "_" + name);
}

std::string readAll(const std::filesystem::path &path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the command through the shell with `arguments` (already quoted) and optional input.
ReplayRun run(const std::string &arguments, const std::string *input = nullptr,
              const std::string &environment = "LC_ALL=C") {
    const auto in = scratch("stdin"), err = scratch("stderr");
    if (input)
        std::ofstream(in, std::ios::binary) << *input;
    std::string command = environment + " '" + LIFTCALC_REPLAY_COMMAND + "' " + arguments +
                          (input ? " < '" + in.string() + "'" : " < /dev/null") + " 2> '" +
                          err.string() + "'";
    ReplayRun outcome;
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return outcome;
    std::string out;
    char buffer[4096];
    for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        out.append(buffer, n);
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);)
        outcome.lines.push_back(line);
    outcome.errors = readAll(err);
    return outcome;
}

// A line of the driver's output read by Qt's JSON parser, so that the dump's format is checked
// by a reader that is not ours; nothing unless the line is one JSON object.
std::optional<QJsonValue> parseJson(const std::string &line) {
    QJsonParseError error{};
    const auto document = QJsonDocument::fromJson(QByteArray::fromStdString(line), &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return QJsonValue(document.object());
}

std::string text(const QJsonValue &value) {
    return value.toString().toStdString();
}

const std::string kWorkedExample = workedExampleScript() + "dump\n";

// A script read from standard input and the same script read from a file give the same dumps.
TEST(ReplayCommand, StandardInputAndFileAgree) {
    const auto file = scratch("script.replay");
    std::ofstream(file, std::ios::binary) << kWorkedExample;
    const ReplayRun fromFile = run("'" + file.string() + "'");
    const ReplayRun fromInput = run("", &kWorkedExample);
    EXPECT_EQ(fromFile.status, 0);
    EXPECT_EQ(fromInput.status, 0);
    ASSERT_EQ(fromFile.lines.size(), 1u);
    EXPECT_EQ(fromFile.lines, fromInput.lines);
    const auto state = parseJson(fromFile.lines[0]);
    ASSERT_TRUE(state.has_value());
    for (const auto &[field, answer] : kWorkedAnswers)
        EXPECT_EQ(text((*state)["fields"][field]["text"]), answer);
}

// A line that cannot be carried out writes one error line naming it; the replay goes on, and
// the exit status is 1. Message boxes are listed once, at the next dump.
TEST(ReplayCommand, RefusedLineGivesStatusOne) {
    const std::string script = "# a comment\nkey F13\nmenu mnuConversions\ndump\ndump\n";
    const ReplayRun o = run("", &script);
    EXPECT_EQ(o.status, 1);
    ASSERT_EQ(o.lines.size(), 3u);
    const auto error = parseJson(o.lines[0]);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->toObject().size(), 1);
    EXPECT_TRUE(text((*error)["error"]).starts_with("line 2: ")) << o.lines[0];
    const auto first = parseJson(o.lines[1]), second = parseJson(o.lines[2]);
    ASSERT_TRUE(first && second);
    ASSERT_EQ((*first)["messages"].toArray().size(), 1);
    EXPECT_EQ(text((*first)["messages"][0]["title"]), "Conversion Chart");
    EXPECT_TRUE(text((*first)["messages"][0]["prompt"]).starts_with("\r\n1 Pound"));
    EXPECT_TRUE((*second)["messages"].toArray().isEmpty());
}

// An error line quoting bytes that are not UTF-8 still writes valid UTF-8 JSON.
TEST(ReplayCommand, ErrorLinesStayValidUtf8) {
    const std::string script = "click \xff\xfe\nkey Ctrl+\xc3\n";
    const ReplayRun o = run("", &script);
    EXPECT_EQ(o.status, 1);
    ASSERT_EQ(o.lines.size(), 2u);
    for (const std::string &line : o.lines) {
        EXPECT_EQ(liftcalc::validUtf8(line), line);
        EXPECT_TRUE(parseJson(line).has_value()) << line;
    }
}

// After Exit only dump works; every other action is an error.
TEST(ReplayCommand, ActionsAfterTheWindowIsGone) {
    const std::string script = "key Esc\ndump\nkey Tab\nclose\ndump\n";
    const ReplayRun o = run("", &script);
    EXPECT_EQ(o.status, 1);
    ASSERT_EQ(o.lines.size(), 4u);
    const auto gone = parseJson(o.lines[0]);
    ASSERT_TRUE(gone.has_value());
    EXPECT_FALSE((*gone)["loaded"].toBool());
    EXPECT_TRUE((*gone)["focus"].isNull());
    EXPECT_TRUE(o.lines[1].find("line 3: ") != std::string::npos) << o.lines[1];
    EXPECT_TRUE(o.lines[2].find("line 4: ") != std::string::npos) << o.lines[2];
}

// A FILE that cannot be read as a script (missing, or a folder, which would otherwise pass as
// an empty, successful replay): a message on standard error, nothing on standard output,
// status 2.
TEST(ReplayCommand, UnreadableFileGivesStatusTwo) {
    for (const std::string &file : {scratch("no_such_file").string(), ::testing::TempDir()}) {
        const ReplayRun o = run("'" + file + "'");
        EXPECT_EQ(o.status, 2) << file;
        EXPECT_TRUE(o.lines.empty()) << file;
        EXPECT_FALSE(o.errors.empty()) << file;
    }
}

// --locale chooses the regional settings; without it they are en_US's whatever the environment.
TEST(ReplayCommand, LocaleOption) {
    const std::string &script = kWorkedExample;
    const ReplayRun german = run("--locale de_DE", &script);
    ASSERT_EQ(german.lines.size(), 1u);
    const auto g = parseJson(german.lines[0]);
    ASSERT_TRUE(g.has_value());
    EXPECT_EQ(text((*g)["numberFormat"]["decimal"]), ",");
    EXPECT_EQ(text((*g)["numberFormat"]["group"]), ".");
    EXPECT_EQ(text((*g)["fields"][7]["text"]), "9.071,800");

    const ReplayRun plain =
        run("", &script, "LC_ALL=de_DE.UTF-8 LANG=de_DE.UTF-8 LC_NUMERIC=de_DE");
    ASSERT_EQ(plain.lines.size(), 1u);
    const auto e = parseJson(plain.lines[0]);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(text((*e)["numberFormat"]["decimal"]), ".");
    EXPECT_EQ(text((*e)["fields"][7]["text"]), "9,071.800");

    const ReplayRun swiss = run("--number-format . \\' -", &script);
    ASSERT_EQ(swiss.lines.size(), 1u);
    const auto s = parseJson(swiss.lines[0]);
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(text((*s)["fields"][7]["text"]), "9'071.800");
}

} // namespace
} // namespace liftcalc::testing
