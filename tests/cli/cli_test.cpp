// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace liftcalc::cli {
namespace {

struct Result {
    int status;
    std::string out;
    std::string err;
};

Result runCommand(std::vector<std::string> args) {
    std::ostringstream out, err;
    int status = run(args, out, err, NumberFormat::english());
    return {status, out.str(), err.str()};
}

struct FigureCase {
    const char *name;
    std::vector<std::string> args;
    std::string json; // the whole line --json prints
};

// The command line prints exactly the figures the window shows for the same inputs.
class WorkedExamples : public testing::TestWithParam<FigureCase> {};

TEST_P(WorkedExamples, PrintTheWindowsFigures) {
    auto args = GetParam().args;
    args.push_back("--json");
    Result r = runCommand(args);
    EXPECT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, GetParam().json + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cli, WorkedExamples,
    testing::Values(
        FigureCase{"PressureImperial",
                   {"pressure", "--diameter", "10", "--plungers", "1", "--load", "20000"},
                   R"({"calculator":"pressure","units":"imperial","figures":{"diameter_in":"10",)"
                   R"("diameter_mm":"254.000","plungers":"1","load_lb":"20000","load_kg":)"
                   R"("9,071.800","pressure_psi":"254.648","pressure_bar":"17.558"}})"},
        FigureCase{"FlowMetricTwoPlungers",
                   {"flow", "--metric", "--diameter", "254", "--plungers", "2", "--speed", "0.508"},
                   R"({"calculator":"flow","units":"metric","figures":{"diameter_in":"10.000",)"
                   R"("diameter_mm":"254","plungers":"2","speed_fpm":"100.000","speed_mps":)"
                   R"("0.508","flow_gpm":"816.000","flow_lps":"51.482","displacement_gpf":)"
                   R"("4.080","displacement_lpm":"50.671","total_gpf":"8.16","total_lpm":)"
                   R"("101.342"}})"},
        FigureCase{
            "LoadMetric",
            {"load", "--metric", "--diameter", "127", "--plungers", "1", "--pressure", "34.475"},
            R"({"calculator":"load","units":"metric","figures":{"diameter_in":"5.000",)"
            R"("diameter_mm":"127","plungers":"1","load_lb":"9,817.714","load_kg":)"
            R"("4,453.286","pressure_psi":"500.019","pressure_bar":"34.475"}})"},
        FigureCase{"DiameterPlungersRoundedDown",
                   {"diameter", "--plungers", "2.7", "--load", "22619.448", "--pressure", "400"},
                   R"({"calculator":"diameter","units":"imperial","figures":{"diameter_in":"6",)"
                   R"("diameter_mm":"152.400","plungers":"2","load_lb":"22619.448","load_kg":)"
                   R"("10,259.955","pressure_psi":"400","pressure_bar":"27.580"}})"},
        FigureCase{"SpeedInGermanNumbers",
                   {"speed", "--metric", "--diameter", "127", "--plungers", "1", "--flow", "6,309",
                    "--locale", "de_DE"},
                   R"({"calculator":"speed","units":"metric","figures":{"diameter_in":"5,000",)"
                   R"("diameter_mm":"127","plungers":"1","speed_fpm":"98,031","speed_mps":)"
                   R"("0,498","flow_gpm":"100,000","flow_lps":"6,309"}})"}),
    [](const auto &info) { return info.param.name; });

// Mistakes in the command itself are usage errors (status 2) that print no figures.
TEST(Cli, UsageErrors) {
    const std::vector<std::vector<std::string>> cases{
        {"volume", "--diameter", "1"},
        {"pressure", "--diameter", "10", "--plungers", "1"},
        {"pressure", "--diameter", "10", "--plungers", "1", "--load"},
        {"pressure", "--diameter", "10", "--plungers", "1", "--load", "1", "--flow", "3"},
        {"pressure", "--diameter", "1:2:1", "--plungers", "1:2:1", "--load", "1"},
        {"pressure", "--diameter", "1:2", "--plungers", "1", "--load", "1"},
        {"pressure", "--diameter", "a:b:c", "--plungers", "1", "--load", "1"},
        {"pressure", "--diameter", "1:2:0", "--plungers", "1", "--load", "1"},
        {"pressure", "--diameter", "5:2:1", "--plungers", "1", "--load", "1"},
        {"pressure", "--diameter", "0:1e9:1", "--plungers", "1", "--load", "1"},
        {"pressure", "--diameter", "0:1e300:1e-300", "--plungers", "1", "--load", "1"},
        {"pressure", "--diameter", "1", "--plungers", "1", "--load", "1", "--locale", "xx_YY"},
        {"pressure", "--json=yes", "--diameter", "1", "--plungers", "1", "--load", "1"},
    };
    for (const auto &args : cases) {
        Result r = runCommand(args);
        EXPECT_EQ(r.status, 2) << args[1] << " " << args[2];
        EXPECT_TRUE(r.out.empty());
        EXPECT_NE(r.err.find("--help"), std::string::npos) << r.err;
    }
}

// A refused calculation prints the window's message and the field that would take the focus.
TEST(Cli, RefusalNamesTheField) {
    Result zero = runCommand({"pressure", "--diameter", "0", "--plungers", "1", "--load", "9"});
    EXPECT_EQ(zero.status, 1);
    EXPECT_TRUE(zero.out.empty());
    EXPECT_EQ(zero.err, "Did you enter a valid number in every field?\n"
                        "Check the field Diameter of Plunger(s) (IN).\n");

    Result words = runCommand({"speed", "--diameter", "5", "--plungers", "1", "--flow", "100 gpm"});
    EXPECT_EQ(words.status, 1);
    EXPECT_NE(words.err.find("not a number as a whole"), std::string::npos);
}

// A sweep prints one row per value; a refused row is left out, the others still print.
TEST(Cli, SweepRowsMatchSingleCalculations) {
    Result sweep = runCommand(
        {"load", "--diameter", "6", "--plungers", "0:2:1", "--pressure", "400", "--csv"});
    EXPECT_EQ(sweep.status, 1);
    EXPECT_EQ(sweep.out, "diameter_in,diameter_mm,plungers,load_lb,load_kg,pressure_psi,"
                         "pressure_bar\n"
                         "6,152.400,1,\"11,309.724\",\"5,129.978\",400,27.580\n"
                         "6,152.400,2,\"22,619.448\",\"10,259.955\",400,27.580\n");
    EXPECT_EQ(sweep.err.rfind("--plungers 0: Did you enter", 0), 0u) << sweep.err;

    Result tenths = runCommand(
        {"pressure", "--diameter", "10", "--plungers", "1", "--load", "0.1:0.3:0.1", "--csv"});
    EXPECT_EQ(tenths.status, 0);
    EXPECT_NE(tenths.out.find("\n10,254.000,1,0.3,"), std::string::npos) << tenths.out;
}

// The table lines the imperial and metric figures up in columns.
TEST(Cli, TableIsAligned) {
    Result r = runCommand({"pressure", "--diameter", "10", "--plungers", "1", "--load", "20000"});
    EXPECT_EQ(r.out, "Static pressure, from imperial inputs\n\n"
                     "                         Imperial      Metric\n"
                     "Diameter of Plunger(s)   10 IN         254.000 MM\n"
                     "Number of Plungers       1\n"
                     "Load on Plunger(s)       20000 LB      9,071.800 KG\n"
                     "Static Pressure          254.648 PSI   17.558 BAR\n");
}

// Help names every calculator; each calculator's help names its inputs and units.
TEST(Cli, Help) {
    const std::string help = programHelp();
    for (const char *name : {"pressure", "flow", "displacement", "load", "diameter", "speed"})
        EXPECT_NE(help.find(std::string("  ") + name), std::string::npos) << name;
    Result r = runCommand({"diameter", "--help"});
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.out.find("--pressure      Static Pressure (PSI or BAR)"), std::string::npos)
        << r.out;
}

} // namespace
} // namespace liftcalc::cli
