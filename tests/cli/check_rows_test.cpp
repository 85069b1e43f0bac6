// SPDX-License-Identifier: MIT
// Every field check's row as the rest of the program knows it: its command names it, its
// inputs are the command's options, the program's help, its own help (in the checks window's
// words under the rows), the manual page, the README, the package's description and the
// AppStream file list it, and the checks window has room for its rows. A row that is wrong, or
// a list that forgets a check, fails here.
#include "calculators/checks.h"
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "tests/cli/run_command.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace liftcalc::cli {
namespace {

class CheckRowTest : public ::testing::TestWithParam<const Check *> {
protected:
    const Check &row = *GetParam();
};

std::string fileText(const char *path) {
    std::ifstream file(path);
    return {std::istreambuf_iterator<char>(file), {}};
}

// Titles and commands are each check's own, and every check fits the window's rows.
TEST(CheckTable, NamesAreTheirOwnAndRowsFit) {
    std::set<std::string_view> titles, commands;
    for (const Check *check : checks::kAll) {
        EXPECT_TRUE(titles.insert(check->title).second) << check->title;
        EXPECT_TRUE(commands.insert(check->command).second) << check->command;
        EXPECT_LE(check->inputs.size(), static_cast<std::size_t>(kMostCheckInputs));
        EXPECT_LE(check->answers.size(), static_cast<std::size_t>(kMostCheckAnswers));
        EXPECT_FALSE(check->inputs.empty()) << check->title;
        EXPECT_FALSE(check->answers.empty()) << check->title;
        EXPECT_FALSE(check->imperialFormula.empty()) << check->title;
    }
}

// The check's command names it and no calculator; without inputs it names every one missing.
TEST_P(CheckRowTest, IsACommandWithItsInputsAsOptions) {
    EXPECT_EQ(checkNamed(row.command), &row);
    EXPECT_EQ(commandNamed(row.command), nullptr);
    EXPECT_TRUE(isCommandName(row.command));
    const Result r = runCommand({std::string(row.command)});
    EXPECT_EQ(r.status, 2);
    for (const CheckRow &input : row.inputs)
        EXPECT_NE(r.err.find("--" + std::string(input.option)), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("Try 'liftcalc " + std::string(row.command) + " --help'"),
              std::string::npos);
}

// The program's help names the check; its own help its title, every input, a line of formula
// for each answer and the test record's option.
TEST_P(CheckRowTest, HelpDescribesIt) {
    EXPECT_NE(programHelp().find(std::string(row.command)), std::string::npos);
    const Result r = runCommand({std::string(row.command), "--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find(std::string(row.title)), std::string::npos) << r.out;
    EXPECT_NE(r.out.substr(0, r.out.find("\n\n")).find(" [--record FILE]"), std::string::npos)
        << r.out;
    EXPECT_NE(r.out.find("\n--record FILE adds"), std::string::npos) << r.out;
    for (const CheckRow &input : row.inputs)
        EXPECT_NE(r.out.find("--" + std::string(input.option)), std::string::npos) << r.out;
    for (std::string_view formulas = row.imperialFormula; !formulas.empty();) {
        const std::size_t end = std::min(formulas.find("; "), formulas.size());
        const std::string_view formula = formulas.substr(0, end);
        EXPECT_NE(r.out.find("\n  " + std::string(formula.substr(0, formula.find(" = ") + 3))),
                  std::string::npos)
            << formula;
        formulas.remove_prefix(std::min(end + 2, formulas.size()));
    }
}

// The check's help says where the readings are taken and how each unit system calculates, in
// the words the checks window shows under the rows.
TEST_P(CheckRowTest, HelpSaysWhatTheWindowSaysUnderTheRows) {
    // Blanks and line breaks as one blank, so that the help's wrapping does not matter.
    auto words = [](std::string_view text) {
        std::string joined;
        for (char c : text)
            if (c != ' ' && c != '\n')
                joined += c;
            else if (!joined.empty() && joined.back() != ' ')
                joined += ' ';
        return joined;
    };
    const Result help = runCommand({std::string(row.command), "--help"});
    ASSERT_EQ(help.status, 0);
    const std::string said = words(help.out);
    const auto lift = said.find("At the lift: ");
    ASSERT_NE(lift, std::string::npos) << help.out;
    for (const UnitSystem units : {UnitSystem::imperial, UnitSystem::metric}) {
        const std::string guide = guideText(row, units);
        const auto lineBreak = guide.find('\n');
        for (const std::string &part : {guide.substr(0, lineBreak), guide.substr(lineBreak + 1)})
            EXPECT_NE(said.find(words(part), lift), std::string::npos) << part << "\n" << help.out;
    }
}

// The README's table of checks has a line for it, under its title.
TEST_P(CheckRowTest, ReadmeListsIt) {
    const std::string readme = fileText(LIFTCALC_README);
    ASSERT_FALSE(readme.empty()) << LIFTCALC_README;
    EXPECT_NE(readme.find("\n| " + std::string(row.title) + " |"), std::string::npos) << row.title;
}

// The manual page lists the check under its command with its inputs' options.
TEST_P(CheckRowTest, ManualPageListsIt) {
    const std::string page = fileText(LIFTCALC_MANUAL_PAGE);
    const auto section = page.find(".SH FIELD CHECKS\n");
    ASSERT_NE(section, std::string::npos);
    // A minus in roff is "\-"; a bare "-" is a hyphen, which a terminal shows as another sign.
    auto roff = [](std::string_view text) {
        std::string escaped;
        for (char c : text)
            escaped += c == '-' ? std::string("\\-") : std::string(1, c);
        return escaped;
    };
    const auto at = page.find(".TP\n.B " + roff(row.command) + "\n", section);
    ASSERT_NE(at, std::string::npos) << row.command;
    const std::string entry = page.substr(at, page.find(".TP", at + 1) - at);
    for (const CheckRow &input : row.inputs)
        EXPECT_NE(entry.find(roff("--" + std::string(input.option))), std::string::npos) << entry;
}

// The first list in TEXT: the first run of lines that start with LEAD and end with TRAIL, each
// without them.
std::vector<std::string> listedAfter(const std::string &text, std::string_view lead,
                                     std::string_view trail) {
    std::vector<std::string> items;
    std::istringstream lines(text);
    bool inList = false;
    for (std::string line; std::getline(lines, line);) {
        const bool item = line.starts_with(lead) && line.ends_with(trail);
        if (inList && !item)
            break;
        if (item) {
            inList = true;
            items.push_back(line.substr(lead.size(), line.size() - lead.size() - trail.size()));
        }
    }
    return items;
}

// The package's description and the AppStream file list the checks by their titles, one a line,
// in the window's order: a check they forget, or one they keep after it went, fails here.
TEST(CheckTable, PackageDescriptionAndAppStreamListEveryCheck) {
    std::vector<std::string> titles;
    for (const Check *check : checks::kAll)
        titles.emplace_back(check->title);
    const std::string description = fileText(LIFTCALC_PACKAGE_DESCRIPTION);
    ASSERT_FALSE(description.empty()) << LIFTCALC_PACKAGE_DESCRIPTION;
    EXPECT_EQ(listedAfter(description, " - ", ""), titles);
    // The calculators' list comes first; the checks' list is the second.
    std::string appStream = fileText(LIFTCALC_APPSTREAM);
    ASSERT_NE(appStream.find("</ul>"), std::string::npos) << LIFTCALC_APPSTREAM;
    appStream.erase(0, appStream.find("</ul>"));
    EXPECT_EQ(listedAfter(appStream, "      <li>", "</li>"), titles);
}

INSTANTIATE_TEST_SUITE_P(Checks, CheckRowTest, ::testing::ValuesIn(checks::kAll),
                         [](const auto &info) {
                             std::string name(info.param->command);
                             std::erase(name, '-');
                             return name;
                         });

} // namespace
} // namespace liftcalc::cli
