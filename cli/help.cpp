// SPDX-License-Identifier: MIT
#include "cli/help.h"

#include "cli/cli.h"
#include "cli/record_command.h"
#include "cli/request.h"

#include <algorithm>
#include <vector>

namespace liftcalc::cli {
namespace {

std::string unitsOf(const Quantity &quantity) {
    if (quantity.isCount())
        return "a whole number";
    return std::string(quantity.imperialUnit) + " or " + std::string(quantity.metricUnit);
}

std::vector<std::string_view> commandNames() {
    std::vector<std::string_view> names;
    for (const Calculator *calculator : calculators::kAll)
        names.push_back(calculator->command);
    return names;
}

std::vector<std::string_view> checkNames() {
    std::vector<std::string_view> names;
    for (const Check *check : checks::kAll)
        names.push_back(check->command);
    return names;
}

std::vector<std::string_view> optionNames() {
    std::vector<std::string_view> names;
    for (const Quantity &quantity : kQuantities)
        names.push_back(quantity.option);
    return names;
}

// "diameter IN or MM, load LB or KG, ...; plungers is a whole number."
std::string unitsText() {
    std::string measured, counted;
    for (const Quantity &q : kQuantities)
        if (q.isCount())
            counted += "; " + std::string(q.option) + " is a whole number";
        else
            measured += (measured.empty() ? "" : ", ") + std::string(q.option) + " " + unitsOf(q);
    return "Units: " + measured + counted + ".";
}

// A small count as a person writes it in a sentence.
std::string inWords(std::size_t count) {
    constexpr std::string_view kWords[] = {"no",   "one", "two",   "three", "four",
                                           "five", "six", "seven", "eight", "nine"};
    return count < std::size(kWords) ? std::string(kWords[count]) : std::to_string(count);
}

} // namespace

std::string wrapped(std::span<const std::string> words, std::size_t width, std::size_t indent) {
    std::string lines, line;
    for (const std::string &word : words) {
        if (!line.empty() && line.size() + 1 + word.size() > width)
            lines += line + "\n" + std::string(indent, ' '), line.clear();
        line += (line.empty() ? "" : " ") + word;
    }
    return lines + line + "\n";
}

std::string wrapped(std::string_view text, std::size_t width, std::size_t indent) {
    std::vector<std::string> words;
    for (std::size_t at = 0; at <= text.size();) {
        const std::size_t end = std::min(text.find(' ', at), text.size());
        words.emplace_back(text.substr(at, end - at));
        at = end + 1;
    }
    return wrapped(words, width, indent);
}

std::string paddedToLongest(std::string_view name, std::span<const std::string_view> names) {
    std::size_t longest = name.size();
    for (std::string_view other : names)
        longest = std::max(longest, other.size());
    return std::string(name) + std::string(longest + 2 - name.size(), ' ');
}

std::string programHelp() {
    std::string text =
        "Usage: liftcalc                      open the calculator window\n"
        "       liftcalc CALCULATOR [options]  calculate on the command line\n"
        "       liftcalc CHECK [options]       make a field check on the command line\n"
        "       liftcalc --help | --version\n\nCalculators:\n";
    for (const Calculator *calculator : calculators::kAll)
        text += "  " + paddedToLongest(calculator->command, commandNames()) +
                std::string(calculator->title) + " from " + listed(inputOptions(*calculator)) +
                "\n";
    text += "\n" + wrapped(unitsText()) +
            "'liftcalc CALCULATOR --help' describes one calculator.\n\nField checks:\n";
    const std::size_t column = 2 + paddedToLongest("", checkNames()).size();
    for (const Check *check : checks::kAll)
        text += "  " + paddedToLongest(check->command, checkNames()) +
                wrapped(std::string(check->title) + " from " + listed(inputOptions(*check)),
                        kLineWidth - column, column);
    return text +
           "'liftcalc CHECK --help' describes one check: its inputs, units, rules and\n"
           "formulas. The checks take the calculators' options and give the same output\n"
           "forms, with \"check\" for \"calculator\" in JSON.\n\n" +
           outputHelp() + "\n" + recordHelp();
}

std::string outputHelp() {
    return R"(Output:
  (default)  an aligned table of the window's own figures, in the regional format
  --csv      CSV (RFC 4180): a header row, then one row a calculation; lines end in CR LF
  --json     one JSON document; a sweep's rows are in its "rows" array, one a line
In CSV and JSON each figure is a number: the value of the figure the window shows,
written with a point and no grouping in every locale, its unit in the column name
(load_kg). A calculation that is refused keeps its row, with the reason in the
column "refused" (empty or null otherwise), and the exit status is 1.

Examples (in English number settings; the JSON is one line, wrapped here):
  $ liftcalc pressure --diameter 10 --plungers 1 --load 20000:30000:10000
  diameter_in   diameter_mm   plungers   load_lb   load_kg      pressure_psi   pressure_bar
  10            254.000       1          20000     9,071.800    254.648        17.558
  10            254.000       1          30000     13,607.700   381.972        26.337
  $ liftcalc pressure --diameter 10 --plungers 1 --load 20000:30000:10000 --csv
  diameter_in,diameter_mm,plungers,load_lb,load_kg,pressure_psi,pressure_bar,refused
  10,254,1,20000,9071.8,254.648,17.558,
  10,254,1,30000,13607.7,381.972,26.337,
  $ liftcalc pressure --diameter 10 --plungers 0 --load 20000 --json
  {"calculator":"pressure","units":"imperial","figures":{"diameter_in":10,"diameter_mm":null,
  "plungers":0,"load_lb":20000,"load_kg":null,"pressure_psi":null,"pressure_bar":null,
  "refused":"--plungers 0 must be a whole number of at least 1"}}
)";
}

std::string calculatorHelp(const Calculator &calculator) {
    std::string text =
        "Usage: liftcalc " + std::string(calculator.command) + " [--imperial|--metric]";
    for (const Input &input : calculator.inputs)
        text += " --" + std::string(input.quantity->option) + " VALUE";
    text += " [--json|--csv] [--locale NAME] [--record FILE]\n\n" + std::string(calculator.title) +
            ": works out every quantity below from the " + inWords(calculator.inputs.size()) +
            " inputs, in both unit systems.\n\n";
    for (const Input &input : calculator.inputs) {
        const Quantity &q = *input.quantity;
        text += "  --" + paddedToLongest(q.option, optionNames()) + std::string(q.name) + " (" +
                unitsOf(q) + ")\n";
    }
    return text + "\n" + valuesHelp() + "\n" + outputHelp();
}

std::string valuesHelp() {
    return "Values are in imperial units unless --metric is given. One input may be a range\n"
           "FROM:TO:STEP, which gives a row for each value from FROM towards TO, never past\n"
           "it; a STEP below 0 goes down. Numbers are read in the regional format of\n"
           "--locale NAME (such as de_DE), or else the user's own. Exit status: 0, 1 when a\n"
           "calculation was refused, 2 for a mistake in the command.\n"
           "--record FILE adds a single calculation to the test record FILE (made when\n"
           "missing); a range cannot be added, and a refused calculation adds nothing.\n";
}

} // namespace liftcalc::cli
