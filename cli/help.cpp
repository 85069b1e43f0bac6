// SPDX-License-Identifier: MIT
#include "cli/help.h"

#include "cli/cli.h"

namespace liftcalc::cli {
namespace {

std::string unitsOf(const Quantity &quantity) {
    if (quantity.isCount())
        return "a whole number";
    return std::string(quantity.imperialUnit) + " or " + std::string(quantity.metricUnit);
}

} // namespace

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
  "refused":"--plungers 0 is fewer than one plunger"}}
)";
}

std::string calculatorHelp(const CalculatorCommand &command) {
    std::string text = "Usage: liftcalc " + std::string(command.name) + " [--imperial|--metric]";
    for (std::string_view input : command.inputs())
        text += " --" + std::string(input) + " VALUE";
    text += " [--json|--csv] [--locale NAME]\n\n" + std::string(command.title) +
            ": works out every quantity below from the three inputs, in both unit systems.\n\n";
    for (std::string_view input : command.inputs()) {
        const Quantity &q = *quantityCalled(input);
        text += "  --" + std::string(input) + std::string(14 - input.size(), ' ') +
                std::string(q.name) + " (" + unitsOf(q) + ")\n";
    }
    text += "\nValues are in imperial units unless --metric is given. One input may be a range\n"
            "FROM:TO:STEP, which gives a row for each value from FROM towards TO, never past\n"
            "it; a STEP below 0 goes down. Numbers are read in the regional format of\n"
            "--locale NAME (such as de_DE), or else the user's own. Exit status: 0, 1 when a\n"
            "calculation was refused, 2 for a mistake in the command.\n\n";
    return text + outputHelp();
}

} // namespace liftcalc::cli
