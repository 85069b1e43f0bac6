// SPDX-License-Identifier: MIT
#include "cli/cli.h"
#include "cli/help.h"
#include "tests/cli/help_examples.h"
#include "tests/cli/run_command.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace liftcalc::cli {
namespace {

struct FigureCase {
    const char *name;
    std::vector<std::string> args;
    std::string json; // the whole line --json prints
};

// JSON carries each figure the window shows as a number, whatever the regional format.
class WorkedExamples : public testing::TestWithParam<FigureCase> {};

TEST_P(WorkedExamples, GiveTheWindowsFiguresAsNumbers) {
    auto args = GetParam().args;
    args.push_back("--json");
    Result r = runCommand(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, GetParam().json + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cli, WorkedExamples,
    testing::Values(
        FigureCase{"FlowMetricTwoPlungers",
                   {"flow", "--metric", "--diameter", "254", "--plungers", "2", "--speed", "0.508"},
                   R"({"calculator":"flow","units":"metric","figures":{"diameter_in":10,)"
                   R"("diameter_mm":254,"plungers":2,"speed_fpm":100,"speed_mps":0.508,)"
                   R"("flow_gpm":816,"flow_lps":51.482,"displacement_gpf":4.08,)"
                   R"("displacement_lpm":50.671,"total_gpf":8.16,"total_lpm":101.342,)"
                   R"("refused":null}})"},
        FigureCase{"DiameterPlungersRoundedDown",
                   {"diameter", "--plungers", "2.7", "--load", "22619.448", "--pressure", "400"},
                   R"({"calculator":"diameter","units":"imperial","figures":{"diameter_in":6,)"
                   R"("diameter_mm":152.4,"plungers":2,"load_lb":22619.448,"load_kg":10259.955,)"
                   R"("pressure_psi":400,"pressure_bar":27.58,"refused":null}})"},
        FigureCase{"SpeedInGermanNumbers",
                   {"speed", "--metric", "--diameter", "127", "--plungers", "1", "--flow", "6,309",
                    "--locale", "de_DE"},
                   R"({"calculator":"speed","units":"metric","figures":{"diameter_in":5,)"
                   R"("diameter_mm":127,"plungers":1,"speed_fpm":98.031,"speed_mps":0.498,)"
                   R"("flow_gpm":100,"flow_lps":6.309,"refused":null}})"}),
    [](const auto &info) { return info.param.name; });

// A grouping mark's look-alikes are read as it where it is an apostrophe or a space, in the
// locales that group so; elsewhere an apostrophe is no number.
TEST(Cli, ReadsTheLookAlikesOfTheGroupingMark) {
    const std::string pressure = R"("pressure_psi":254.648,"pressure_bar":17.558,"refused":null}})";
    const std::string refused = R"("pressure_psi":null,"pressure_bar":null,"refused":"--load )";
    struct Case {
        std::string locale, load, ends;
    };
    const std::vector<Case> cases{
        {"de_CH", "20'000", pressure},      {"de_CH", "20\u02BC000", pressure},
        {"it_CH", "20'000", pressure},      {"de_CH", "2'0000", refused},
        {"fr_FR", "20\u2009000", pressure}, {"sv_SE", "20\u2009000", pressure},
        {"sv_SE", "20 000", pressure},      {"fr_FR", "20'000", refused},
        {"de_DE", "20'000", refused},       {"en_US", "20'000", refused},
        {"en_US", "20\u2019000", refused},
    };
    for (const auto &[locale, load, ends] : cases) {
        Result r = runCommand({"pressure", "--locale", locale, "--diameter", "10", "--plungers",
                               "1", "--load", load, "--json"});
        EXPECT_NE(r.out.find(ends), std::string::npos) << locale << " " << load << ": " << r.out;
    }
}

struct UsageCase {
    std::vector<std::string> args;
    std::string says;
};

// Mistakes in the command itself are usage errors (status 2) that print no figures and say
// what is wrong.
TEST(Cli, UsageErrors) {
    const std::vector<std::string> pressure{"pressure", "--diameter", "10", "--plungers",
                                            "1",        "--load",     "9"};
    auto with = [&](std::vector<std::string> more) {
        auto args = pressure;
        args.insert(args.end(), more.begin(), more.end());
        return args;
    };
    const std::vector<UsageCase> cases{
        {{"volume", "--diameter", "1"}, "unknown calculator 'volume'"},
        {{"pressure", "--plungers", "1"}, "missing inputs --diameter and --load"},
        {{"pressure", "--diameter", "--plungers", "1"}, "option --diameter needs a value"},
        {with({"--flow", "3"}), "no option '--flow'"},
        {with({"--json", "--csv"}), "options --json and --csv exclude each other"},
        {with({"--metric", "--imperial"}), "options --metric and --imperial exclude each other"},
        {with({"--load", "1:5:1"}), "option --load is given twice"},
        {with({"--json=yes"}), "option --json takes no value"},
        {{"pressure", "--diameter", "1:2:1", "--plungers", "1:2:1", "--load", "1"},
         "only one input may be a range"},
        {{"pressure", "--diameter", "1:2", "--plungers", "1", "--load", "1"}, "FROM:TO:STEP"},
        {{"pressure", "--diameter", "a:b:c", "--plungers", "1", "--load", "1"}, "must be numbers"},
        {{"pressure", "--diameter", "1:2:0", "--plungers", "1", "--load", "1"}, "STEP must lead"},
        {{"pressure", "--diameter", "5:2:1", "--plungers", "1", "--load", "1"}, "STEP must lead"},
        {{"pressure", "--diameter", "0:1e9:1", "--plungers", "1", "--load", "1"}, "more than"},
        {with({"--locale", "DE_de"}), "no locale is named 'DE_de'"},
        {with({"--locale", "en_ZZ"}), "no locale is named 'en_ZZ'"},
        {with({"--locale", "de_DE;x"}), "no locale is named 'de_DE;x'"},
        {with({"--locale", std::string(100000, 'x')}), "no locale is named 'xxx"},
    };
    for (const auto &[args, says] : cases) {
        Result r = runCommand(args);
        EXPECT_EQ(r.status, 2) << says;
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find(says), std::string::npos) << r.err;
        EXPECT_LT(r.err.size(), 200u) << says;
    }
}

struct RefusalCase {
    std::vector<std::string> args;
    std::string reasons; // the lines after the window's message
};

// A refusal keeps the window's message and then names each input to fix and why.
TEST(Cli, RefusalsSayWhatToFix) {
    const std::vector<RefusalCase> cases{
        {{"pressure", "--diameter", "0", "--plungers", "1", "--load", "9"},
         "--diameter 0 must be more than 0\n"},
        {{"speed", "--diameter", "5", "--plungers", "1", "--flow", "100 gpm"},
         "--flow \"100 gpm\" is not a number (write it like 1234.5 or 1,234.5)\n"},
        {{"speed", "--diameter", "1.5", "--plungers", "1", "--flow", "9", "--locale", "de_DE"},
         "--diameter 1.5 is not a number (write it like 1234,5 or 1.234,5)\n"},
        {{"flow", "--diameter", "5", "--plungers", "0.9", "--speed", "100"},
         "--plungers 0.9 must be a whole number of at least 1\n"},
        {{"load", "--diameter", "0.5", "--plungers", "1", "--pressure", "500"},
         "--diameter 0.5 must be at least 1 IN\n"},
        {{"diameter", "--plungers", "1", "--load", "1e400", "--pressure", "1e300"},
         "--load 1e400 is too large to compute\n"},
        {{"pressure", "--diameter", "1e-300", "--plungers", "1", "--load", "1e300"},
         "--diameter, --plungers and --load together give a figure too large to compute\n"},
        {{"load", "--metric", "--diameter", "", "--plungers", "x", "--pressure", "-2"},
         "--diameter \"\" is not a number (write it like 1234.5 or 1,234.5)\n"
         "--plungers x is not a number (write it like 1234.5 or 1,234.5)\n"
         "--pressure -2 must be more than 0\n"},
    };
    for (const auto &[args, reasons] : cases) {
        Result r = runCommand(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_TRUE(r.out.empty());
        EXPECT_EQ(r.err, "Did you enter a valid number in every field?\n" + reasons);
    }
}

// A refused row keeps its place in every form, with its reason; the exit status is 1.
TEST(Cli, RefusedRowsAreNotLeftOut) {
    auto in = [](std::string form) {
        std::vector<std::string> args{"load",  "--diameter", "6",      "--plungers",
                                      "0:1:1", "--pressure", "4\"0,0", form};
        Result r = runCommand(args);
        EXPECT_EQ(r.status, 1);
        EXPECT_EQ(r.err, "liftcalc: 2 of 2 calculations refused; each row says why\n");
        return r.out;
    };
    // The reasons hold a quote and commas, so CSV quotes them.
    const std::string notANumber =
        R"(--pressure ""4""0,0"" is not a number (write it like 1234.5 or 1,234.5))";
    EXPECT_EQ(in("--csv"), "diameter_in,diameter_mm,plungers,load_lb,load_kg,pressure_psi,"
                           "pressure_bar,refused\r\n"
                           "6,,0,,,,,\"--plungers 0 must be a whole number of at least 1; " +
                               notANumber + "\"\r\n6,,1,,,,,\"" + notANumber + "\"\r\n");
    const std::string json = in("--json");
    EXPECT_NE(json.find(R"(,"plungers":0,)"), std::string::npos) << json;
    EXPECT_NE(json.find(R"(,"plungers":1,)"), std::string::npos) << json;
    EXPECT_NE(
        json.find(
            R"("refused":"--plungers 0 must be a whole number of at least 1; --pressure \"4\"0,0\" is)"),
        std::string::npos)
        << json;
}

// The table lines the window's texts up in columns.
TEST(Cli, TablesAreAligned) {
    Result one = runCommand({"pressure", "--diameter", "10", "--plungers", "1", "--load", "20000"});
    EXPECT_EQ(one.out, "Static pressure, from imperial inputs\n\n"
                       "                         Imperial      Metric\n"
                       "Diameter of Plunger(s)   10 IN         254.000 MM\n"
                       "Number of Plungers       1\n"
                       "Load on Plunger(s)       20000 LB      9,071.800 KG\n"
                       "Static Pressure          254.648 PSI   17.558 BAR\n");
    Result sweep = runCommand({"load", "--diameter", "6", "--plungers", "2:0:-1", "--pressure",
                               "400", "--locale", "de_DE"});
    EXPECT_EQ(
        sweep.out,
        "diameter_in   diameter_mm   plungers   load_lb      load_kg      pressure_psi   "
        "pressure_bar   refused\n"
        "6             152,400       2          22.619,448   10.259,955   400            27,580\n"
        "6             152,400       1          11.309,724   5.129,978    400            27,580\n"
        "6                           0                                    400"
        "                           --plungers 0 must be a whole number of at least 1\n");
}

// Help names every calculator, and its examples are what the program prints.
TEST(Cli, Help) {
    const std::string help = programHelp();
    for (const char *name : {"pressure", "flow", "displacement", "load", "diameter", "speed"})
        EXPECT_NE(help.find(std::string("  ") + name), std::string::npos) << name;
    Result r = runCommand({"diameter", "--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--pressure      Static Pressure (PSI or BAR)"), std::string::npos);

    const auto examples = helpExamples(outputHelp());
    ASSERT_EQ(examples.size(), 3u);
    for (const auto &[args, text] : examples)
        EXPECT_EQ(flattened(runCommand(args).out), text);
}

} // namespace
} // namespace liftcalc::cli
