// SPDX-License-Identifier: MIT
// Every calculator's row as the command line knows it: its name is a command, its inputs are
// its options, the help lists it, and its figures are the columns of the fields it shows.
#include "cli/calculate.h"
#include "cli/cli.h"
#include "cli/help.h"
#include "cli/request.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

namespace liftcalc::cli {
namespace {

class CommandRow : public ::testing::TestWithParam<const Calculator *> {
protected:
    const Calculator &row = *GetParam();
};

std::string lowerCase(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// The row's command names it, and a command without its inputs names every one of them.
TEST_P(CommandRow, IsACommandWithItsInputsAsOptions) {
    EXPECT_EQ(commandNamed(row.command), &row);
    EXPECT_TRUE(isCommandName(row.command));
    std::ostringstream out, err;
    const std::vector<std::string> args{std::string(row.command)};
    EXPECT_EQ(run(args, out, err, NumberFormat::english()), 2);
    for (const Input &input : row.inputs)
        EXPECT_NE(err.str().find("--" + std::string(input.quantity->option)), std::string::npos)
            << err.str();
}

// The program's help lists the calculator with its title; its own help lists each input with
// the quantity's name and units, and the test record's option.
TEST_P(CommandRow, HelpDescribesIt) {
    const std::string program = programHelp();
    const auto line = program.find("\n  " + std::string(row.command) + " ");
    ASSERT_NE(line, std::string::npos) << row.command;
    const std::string entry = program.substr(line + 1, program.find('\n', line + 1) - line - 1);
    EXPECT_NE(entry.find(std::string(row.title) + " from --" +
                         std::string(row.inputs.front().quantity->option)),
              std::string::npos)
        << entry;
    const std::string own = calculatorHelp(row);
    EXPECT_NE(own.substr(0, own.find('\n')).find(" [--record FILE]"), std::string::npos) << own;
    EXPECT_NE(own.find("\n--record FILE adds"), std::string::npos) << own;
    for (const Input &input : row.inputs) {
        const Quantity &q = *input.quantity;
        const auto at = own.find("  --" + std::string(q.option) + " ");
        ASSERT_NE(at, std::string::npos) << q.option;
        const std::string entry = own.substr(at, own.find('\n', at) - at);
        EXPECT_NE(entry.find(std::string(q.name) + " ("), std::string::npos) << entry;
        EXPECT_NE(entry.find(q.isCount() ? std::string("whole number")
                                         : std::string(q.imperialUnit) + " or " +
                                               std::string(q.metricUnit)),
                  std::string::npos)
            << entry;
    }
}

// The help's second column starts two blanks after the longest name, however long: the next
// calculators have names of fifteen characters and more.
TEST(CommandHelp, ColumnsStartAfterTheLongestName) {
    const std::vector<std::string_view> names{"load", "hydraulic-power-from-flow", "speed"};
    EXPECT_EQ(paddedToLongest("load", names), "load" + std::string(23, ' '));
    EXPECT_EQ(paddedToLongest(names[1], names), std::string(names[1]) + "  ");
    EXPECT_EQ(paddedToLongest("a-name-longer-than-the-others", {}),
              "a-name-longer-than-the-others  ");
    // The program's help: each calculator's title in one column.
    std::size_t longest = 0;
    for (const Calculator *c : calculators::kAll)
        longest = std::max(longest, c->command.size());
    const std::string help = programHelp();
    for (const Calculator *c : calculators::kAll) {
        const auto line = help.find("\n  " + std::string(c->command) + " ");
        ASSERT_NE(line, std::string::npos) << c->command;
        EXPECT_EQ(help.find(std::string(c->title), line) - line - 1, 2 + longest + 2) << c->command;
    }
}

// Each field the calculator shows, and the number of plungers, is a column named after its
// quantity and unit.
TEST_P(CommandRow, ColumnsAreTheFieldsItShows) {
    std::vector<int> columnFields;
    for (const Column &c : columnsOf(row)) {
        if (!c.field)
            continue;
        columnFields.push_back(*c.field);
        const std::string_view unit = unitOf(*c.field);
        EXPECT_EQ(c.key, std::string(quantityOf(*c.field).option) +
                             (unit.empty() ? "" : "_" + lowerCase(unit)));
        EXPECT_EQ(c.label, quantityOf(*c.field).name);
    }
    std::vector<int> shown(row.shownFields.begin(), row.shownFields.end());
    shown.push_back(fields::plungers);
    std::sort(shown.begin(), shown.end());
    std::vector<int> sorted = columnFields;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, shown);
}

// The manual page lists the calculator under its command with its inputs' options, and each
// option with the units of its quantity.
TEST_P(CommandRow, ManualPageListsIt) {
    std::ifstream file(LIFTCALC_MANUAL_PAGE);
    ASSERT_TRUE(file) << LIFTCALC_MANUAL_PAGE;
    const std::string page{std::istreambuf_iterator<char>(file), {}};
    auto lineAfter = [&page](std::string_view head) {
        const auto at = page.find(head);
        if (at == std::string::npos)
            return std::string();
        const auto start = at + head.size();
        return page.substr(start, page.find('\n', start) - start);
    };
    const std::string description = lineAfter(".TP\n.B " + std::string(row.command) + "\n");
    EXPECT_FALSE(description.empty()) << row.command;
    for (const Input &input : row.inputs) {
        const Quantity &q = *input.quantity;
        const std::string option = "\\-\\-" + std::string(q.option);
        EXPECT_NE(description.find(option), std::string::npos) << description;
        const std::string units = lineAfter(".BI " + option + " \" VALUE\"\n");
        EXPECT_NE(units.find(q.isCount() ? std::string("whole number")
                                         : "(" + std::string(q.imperialUnit) + ") or"),
                  std::string::npos)
            << q.option << ": " << units;
    }
}

INSTANTIATE_TEST_SUITE_P(Calculators, CommandRow, ::testing::ValuesIn(calculators::kAll),
                         [](const auto &info) { return std::string(info.param->command); });

} // namespace
} // namespace liftcalc::cli
