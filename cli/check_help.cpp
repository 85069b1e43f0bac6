// SPDX-License-Identifier: MIT
// A check's own help, from its rows: the options with their units and rules, the answers with
// their columns, and the calculation in each unit system.
#include "cli/help.h"

#include "cli/calculate.h"
#include "cli/request.h"

#include <algorithm>
#include <vector>

namespace liftcalc::cli {
namespace {

// "Travel (FT or M)", "Time (MIN)", "Number of plungers".
std::string described(const CheckRow &row) {
    const Units &u = *row.units;
    if (u.imperial.empty())
        return std::string(row.name);
    return std::string(row.name) + " (" + std::string(u.imperial) +
           (u.bothSystems() ? " or " + std::string(u.metric) : "") + ")";
}

// The formula's answers one a line: "  oil = A x travel x 12 / 231".
std::string formulaLines(std::string_view formula) {
    std::string lines;
    for (std::size_t at = 0; at < formula.size();) {
        const std::size_t end = std::min(formula.find("; ", at), formula.size());
        lines += "  " + wrapped(formula.substr(at, end - at), kLineWidth - 2, 4);
        at = end + 2;
    }
    return lines;
}

// The units the figures of the check take in one system: "IN, FT, GAL".
std::string unitsIn(const Check &check, bool metric) {
    std::vector<std::string_view> seen;
    for (int row = 0; row < check.rowCount(); ++row) {
        const Units &u = *check.row(row).units;
        const std::string_view unit = metric && u.bothSystems() ? u.metric : u.imperial;
        if (!unit.empty() && std::find(seen.begin(), seen.end(), unit) == seen.end())
            seen.push_back(unit);
    }
    std::string text;
    for (std::string_view unit : seen)
        text += (text.empty() ? "" : ", ") + std::string(unit);
    return text;
}

// The text the checks window shows under the rows: where the readings are taken, then the
// calculation in each unit system.
std::string atTheLift(const Check &check) {
    const CheckGuide &guide = check.guide;
    std::string text = "\nAt the lift:\n  " + wrapped(guide.readings, kLineWidth - 2, 2);
    if (guide.metric.empty())
        return text + "  " + wrapped(guide.imperial, kLineWidth - 2, 2);
    return text + "  Imperial: " + wrapped(guide.imperial, kLineWidth - 12, 12) +
           "  Metric:   " + wrapped(guide.metric, kLineWidth - 12, 12);
}

bool usesPlungerArea(const Check &check) {
    return std::any_of(check.inputs.begin(), check.inputs.end(),
                       [](const CheckRow &row) { return row.option == checks::kDiameter.option; });
}

} // namespace

std::string checkOutputHelp() {
    return R"(Output:
  (default)  an aligned table of the check window's own texts, in the regional format
  --csv      CSV (RFC 4180): a header row, then one row a calculation; lines end CR LF
  --json     one JSON document: {"check":NAME,"units":...,"figures":{...}}, or for a
             range "rows":[{...},...], one row a line
In CSV and JSON each figure is a number: the value of the figure the window shows,
written with a point and no grouping in every locale, named after its option and unit
(travel_ft, leak_rate_gal_h, efficiency_pct). A calculation that is refused keeps its
row, with the reason in the column "refused" (empty or null otherwise).

Examples (in English number settings; the JSON is one line, wrapped here):
  $ liftcalc oil --diameter 4 --plungers 1 --travel 25:50:25 --csv
  diameter_in,diameter_mm,plungers,travel_ft,travel_m,oil_gal,oil_l,refused
  4,101.6,1,25,7.62,16.32,61.778,
  4,101.6,1,50,15.24,32.64,123.556,
  $ liftcalc hold --start-pressure 600 --end-pressure 560 --json
  {"check":"hold","units":"imperial","figures":{"start_pressure_psi":600,
  "start_pressure_bar":41.37,"end_pressure_psi":560,"end_pressure_bar":38.612,
  "lost_pct":6.667,"refused":null}}
)";
}

std::string checkHelp(const Check &check) {
    std::vector<std::string> usage{"Usage: liftcalc", std::string(check.command)};
    for (const CheckRow &input : check.inputs)
        usage.push_back("--" + std::string(input.option) + " VALUE");
    usage.insert(usage.end(),
                 {"[--imperial|--metric]", "[--json|--csv]", "[--locale NAME]", "[--record FILE]"});
    std::string text = wrapped(usage, kLineWidth, 7);

    std::vector<std::string_view> options;
    for (const CheckRow &input : check.inputs)
        options.push_back(input.option);
    text += "\n" +
            wrapped(std::string(check.title) + ", a field check: works out the answers " +
                    "below from the inputs, in both unit systems.") +
            "\nInputs:\n";
    for (const CheckRow &input : check.inputs)
        text += "  --" + paddedToLongest(input.option, options) + described(input) + ", " +
                std::string(ruleText(input.rule)) + "\n";

    std::vector<std::string> answers;
    for (const CheckRow &answer : check.answers)
        answers.push_back(described(answer));
    const std::vector<std::string_view> answerNames(answers.begin(), answers.end());
    text += "\nAnswers, with their names in CSV and JSON:\n";
    for (std::size_t i = 0; i < answers.size(); ++i) {
        const CheckRow &answer = check.answers[i];
        const Units &u = *answer.units;
        text += "  " + paddedToLongest(answers[i], answerNames) +
                columnKey(answer.option, u.imperial) +
                (u.bothSystems() ? " " + columnKey(answer.option, u.metric) : "") + "\n";
    }

    if (check.metricFormula.empty())
        text += "\nIn either unit system:\n" + formulaLines(check.imperialFormula);
    else
        text += "\nImperial (" + unitsIn(check, false) + "):\n" +
                formulaLines(check.imperialFormula) + "Metric (" + unitsIn(check, true) + "):\n" +
                formulaLines(check.metricFormula);
    if (usesPlungerArea(check))
        text += wrapped("where A = plungers x (diameter / 2)^2 x 3.14159, the total plunger area "
                        "in square inches or square millimetres.");
    return text + atTheLift(check) + "\n" + valuesHelp() + "\n" + checkOutputHelp();
}

} // namespace liftcalc::cli
