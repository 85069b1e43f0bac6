// SPDX-License-Identifier: MIT
// The field checks on the command line: worked cases whose figures were worked out apart from
// this code with the checks' formulas and factors, the column names, refusals, mistakes in the
// command and regional formats.
#include "cli/cli.h"
#include "cli/commands.h"
#include "cli/help.h"
#include "tests/cli/help_examples.h"
#include "tests/cli/run_command.h"
#include "tests/support/number_formats.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace liftcalc::cli {
namespace {

// The check's command with its inputs' options in row order, each given its text; texts beyond
// the inputs follow as they are.
std::vector<std::string> checkArgs(std::string_view name, const std::vector<std::string> &texts) {
    const Check *check = checkNamed(name);
    std::vector<std::string> args{std::string(name)};
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (check && i < check->inputs.size())
            args.insert(args.end(), {"--" + std::string(check->inputs[i].option), texts[i]});
        else
            args.push_back(texts[i]);
    return args;
}

constexpr bool imp = false;
constexpr bool met = true;

struct WorkedCase {
    const char *check;
    bool metric;
    std::vector<std::string> inputs; // in row order
    std::string figures;             // the JSON members of the figures before "refused"
};

// Every figure is the value of the text the check's window shows, in both unit systems.
TEST(CheckCommand, WorkedCasesInJson) {
    const std::vector<WorkedCase> cases{
        {"oil",
         imp,
         {"4", "1", "25"},
         R"("diameter_in":4,"diameter_mm":101.6,"plungers":1,"travel_ft":25,"travel_m":7.62,"oil_gal":16.32,"oil_l":61.778)"},
        {"oil",
         met,
         {"200", "2", "4"},
         R"("diameter_in":7.874,"diameter_mm":200,"plungers":2,"travel_ft":13.123,"travel_m":4,"oil_gal":66.394,"oil_l":251.327)"},
        {"drift",
         imp,
         {"6", "1", "2", "10"},
         R"("diameter_in":6,"diameter_mm":152.4,"plungers":1,"drift_in":2,"drift_mm":50.8,"time_min":10,"oil_lost_gal":0.245,"oil_lost_l":0.927,"leak_rate_gal_h":1.469,"leak_rate_l_h":5.561)"},
        {"drift",
         met,
         {"150", "1", "50", "10"},
         R"("diameter_in":5.906,"diameter_mm":150,"plungers":1,"drift_in":1.969,"drift_mm":50,"time_min":10,"oil_lost_gal":0.234,"oil_lost_l":0.884,"leak_rate_gal_h":1.4,"leak_rate_l_h":5.301)"},
        {"car-weight",
         imp,
         {"8", "2", "120.5", "4500"},
         R"("diameter_in":8,"diameter_mm":203.2,"plungers":2,"empty_pressure_psi":120.5,"empty_pressure_bar":8.308,"rated_load_lb":4500,"rated_load_kg":2041.155,"car_weight_lb":12113.971,"car_weight_kg":5494.776,"full_load_pressure_psi":165.262,"full_load_pressure_bar":11.395)"},
        {"car-weight",
         met,
         {"150", "1", "10", "1000"},
         R"("diameter_in":5.906,"diameter_mm":150,"plungers":1,"empty_pressure_psi":145.038,"empty_pressure_bar":10,"rated_load_lb":2204.6,"rated_load_kg":1000,"car_weight_lb":3972.658,"car_weight_kg":1801.986,"full_load_pressure_psi":225.52,"full_load_pressure_bar":15.549)"},
        {"car-load",
         imp,
         {"6", "1", "150", "230"},
         R"("diameter_in":6,"diameter_mm":152.4,"plungers":1,"empty_pressure_psi":150,"empty_pressure_bar":10.343,"loaded_pressure_psi":230,"loaded_pressure_bar":15.859,"load_lb":2261.945,"load_kg":1025.996)"},
        {"car-load",
         met,
         {"150", "1", "10", "16.5"},
         R"("diameter_in":5.906,"diameter_mm":150,"plungers":1,"empty_pressure_psi":145.038,"empty_pressure_bar":10,"loaded_pressure_psi":239.313,"loaded_pressure_bar":16.5,"load_lb":2582.228,"load_kg":1171.291)"},
        {"pump",
         imp,
         {"500", "100", "85"},
         R"("pressure_psi":500,"pressure_bar":34.475,"flow_gpm":100,"flow_lps":6.309,"efficiency_pct":85,"hydraulic_power_hp":29.167,"hydraulic_power_kw":21.75,"motor_power_hp":34.314,"motor_power_kw":25.588)"},
        {"pump",
         met,
         {"35", "6.3", "85"},
         R"("pressure_psi":507.633,"pressure_bar":35,"flow_gpm":99.857,"flow_lps":6.3,"efficiency_pct":85,"hydraulic_power_hp":29.569,"hydraulic_power_kw":22.05,"motor_power_hp":34.787,"motor_power_kw":25.941)"},
        {"timed-run",
         imp,
         {"30", "20", "100"},
         R"("distance_ft":30,"distance_m":9.144,"time_s":20,"rated_speed_fpm":100,"rated_speed_mps":0.508,"speed_fpm":90,"speed_mps":0.457,"deviation_pct":-10)"},
        {"timed-run",
         met,
         {"10", "20", "0.63"},
         R"("distance_ft":32.808,"distance_m":10,"time_s":20,"rated_speed_fpm":124.016,"rated_speed_mps":0.63,"speed_fpm":98.425,"speed_mps":0.5,"deviation_pct":-20.635)"},
        {"relief",
         imp,
         {"400", "500"},
         R"("full_load_pressure_psi":400,"full_load_pressure_bar":27.58,"relief_setting_psi":500,"relief_setting_bar":34.475,"share_pct":125)"},
        {"relief",
         met,
         {"27.5", "38.5"},
         R"("full_load_pressure_psi":398.855,"full_load_pressure_bar":27.5,"relief_setting_psi":558.396,"relief_setting_bar":38.5,"share_pct":140)"},
        {"test-pressure",
         imp,
         {"400", "140"},
         R"("full_load_pressure_psi":400,"full_load_pressure_bar":27.58,"share_pct":140,"pressure_psi":560,"pressure_bar":38.612)"},
        {"test-pressure",
         met,
         {"27.5", "200"},
         R"("full_load_pressure_psi":398.855,"full_load_pressure_bar":27.5,"share_pct":200,"pressure_psi":797.709,"pressure_bar":55)"},
        {"hold",
         imp,
         {"600", "560"},
         R"("start_pressure_psi":600,"start_pressure_bar":41.37,"end_pressure_psi":560,"end_pressure_bar":38.612,"lost_pct":6.667)"},
        {"hold",
         met,
         {"34.5", "35.2"},
         R"("start_pressure_psi":500.381,"start_pressure_bar":34.5,"end_pressure_psi":510.534,"end_pressure_bar":35.2,"lost_pct":-2.029)"},
    };
    for (const auto &[check, metric, inputs, figures] : cases) {
        auto args = checkArgs(check, inputs);
        if (metric)
            args.push_back("--metric");
        args.push_back("--json");
        const Result r = runCommand(args);
        EXPECT_EQ(r.status, 0) << check << ": " << r.err;
        EXPECT_EQ(r.out, std::string(R"({"check":")") + check + R"(","units":")" +
                             (metric ? "metric" : "imperial") + R"(","figures":{)" + figures +
                             R"(,"refused":null}})" + "\n");
    }
}

// Each figure's column is named after its row's option and unit; a row without unit systems has
// one column.
TEST(CheckCommand, CsvHeaderNamesTheUnits) {
    const std::vector<std::pair<std::string, std::string>> headers{
        {"oil", "diameter_in,diameter_mm,plungers,travel_ft,travel_m,oil_gal,oil_l"},
        {"drift", "diameter_in,diameter_mm,plungers,drift_in,drift_mm,time_min,oil_lost_gal,"
                  "oil_lost_l,leak_rate_gal_h,leak_rate_l_h"},
        {"car-weight", "diameter_in,diameter_mm,plungers,empty_pressure_psi,empty_pressure_bar,"
                       "rated_load_lb,rated_load_kg,car_weight_lb,car_weight_kg,"
                       "full_load_pressure_psi,full_load_pressure_bar"},
        {"car-load", "diameter_in,diameter_mm,plungers,empty_pressure_psi,empty_pressure_bar,"
                     "loaded_pressure_psi,loaded_pressure_bar,load_lb,load_kg"},
        {"pump", "pressure_psi,pressure_bar,flow_gpm,flow_lps,efficiency_pct,hydraulic_power_hp,"
                 "hydraulic_power_kw,motor_power_hp,motor_power_kw"},
        {"timed-run", "distance_ft,distance_m,time_s,rated_speed_fpm,rated_speed_mps,speed_fpm,"
                      "speed_mps,deviation_pct"},
        {"relief", "full_load_pressure_psi,full_load_pressure_bar,relief_setting_psi,"
                   "relief_setting_bar,share_pct"},
        {"test-pressure",
         "full_load_pressure_psi,full_load_pressure_bar,share_pct,pressure_psi,pressure_bar"},
        {"hold",
         "start_pressure_psi,start_pressure_bar,end_pressure_psi,end_pressure_bar,lost_pct"},
    };
    ASSERT_EQ(headers.size(), checks::kAll.size());
    for (const auto &[name, header] : headers) {
        auto args = checkArgs(name, std::vector<std::string>(checkNamed(name)->inputs.size(), "1"));
        args.push_back("--csv");
        const Result r = runCommand(args);
        EXPECT_EQ(r.status, 0) << name << ": " << r.err;
        EXPECT_EQ(r.out.substr(0, r.out.find("\r\n")), header + ",refused");
    }
}

struct RefusalCase {
    std::vector<std::string> args;
    std::string reasons; // standard error, a line an input to fix
};

// A refusal names each input that breaks its own rule, as typed, or what the inputs break
// together; it prints no figures and exits with 1.
TEST(CheckCommand, RefusalsNameTheInputsAndRules) {
    const std::vector<RefusalCase> cases{
        {checkArgs("drift", {"6", "1", "2", "0"}), "--time 0 must be more than 0\n"},
        {checkArgs("oil", {"4", "2.5", "25"}),
         "--plungers 2.5 must be a whole number of at least 1\n"},
        {checkArgs("oil", {"4", "0", "25 ft"}),
         "--plungers 0 must be a whole number of at least 1\n"
         "--travel \"25 ft\" is not a number (write it like 1234.5 or 1,234.5)\n"},
        {checkArgs("hold", {"600", "-1"}), "--end-pressure -1 must be 0 or more\n"},
        {checkArgs("hold", {"0", "0"}), "--start-pressure 0 must be more than 0\n"},
        {checkArgs("pump", {"-5", "", "100.5"}),
         "--pressure -5 must be more than 0\n"
         "--flow \"\" is not a number (write it like 1234.5 or 1,234.5)\n"
         "--efficiency 100.5 must be at most 100 %\n"},
        {checkArgs("car-load", {"6", "1", "230", "150"}),
         "--loaded-pressure 150 must not be below --empty-pressure\n"},
        // The cross-input rule waits for every input to keep its own.
        {checkArgs("car-load", {"0", "1", "230", "150"}), "--diameter 0 must be more than 0\n"},
        {checkArgs("relief", {"1e400", "500"}),
         "--full-load-pressure 1e400 is too large to compute\n"},
        {checkArgs("oil", {"1e200", "1", "25"}),
         "--diameter, --plungers and --travel together give a figure too large to compute\n"},
        {checkArgs("test-pressure", {"1e307", "1e300"}),
         "--full-load-pressure and --share together give a figure too large to compute\n"},
    };
    for (const auto &[args, reasons] : cases) {
        const Result r = runCommand(args);
        EXPECT_EQ(r.status, 1) << reasons;
        EXPECT_EQ(r.out, "");
        EXPECT_EQ(r.err, reasons);
    }
}

// The command line words each refusal as the checks window does: after the option and its text
// comes what the window says after the input's name, for every check, input and rule.
TEST(CheckCommand, RefusalsAreWordedAsInTheWindow) {
    for (const Check *check : checks::kAll)
        for (const std::string bad : {"0", "-1", "0.5", "150", "x", "1e999"}) {
            std::vector<std::string> texts(check->inputs.size(), bad);
            if (check == &checks::loadInCar)
                texts = {"6", "1", "230", bad};
            const CheckOutcome outcome =
                evaluate(*check, UnitSystem::metric, texts, testing::kEnglish);
            const auto *refusals = std::get_if<CheckRefusals>(&outcome);
            if (!refusals)
                continue;
            std::vector<std::string> args = checkArgs(check->command, texts);
            args.insert(args.end(), {"--metric", "--locale", "en_US"});
            std::istringstream lines(runCommand(args).err);
            for (const CheckRefusal &refusal : *refusals) {
                std::string line;
                ASSERT_TRUE(std::getline(lines, line)) << check->command << " " << bad;
                if (!refusal.input)
                    continue;
                const std::string said = faultText(*check, refusal, UnitSystem::metric).text;
                const CheckRow &input = check->inputs[*refusal.input];
                EXPECT_EQ(refusalText(*check, refusal, UnitSystem::metric)
                              .rfind(std::string(input.name) + " " + said, 0),
                          0u);
                EXPECT_EQ(line.rfind("--" + std::string(input.option) + " " + bad + " " + said, 0),
                          0u)
                    << line;
            }
        }
}

// Whatever is typed, the answer is a refusal or a mistake in the command, said in a few words,
// and JSON stays one well-formed document.
TEST(CheckCommand, BadInput) {
    const std::string huge(1 << 20, '9');
    struct Case {
        std::vector<std::string> args;
        int status;
        std::string says; // on standard error
    };
    const std::vector<Case> cases{
        {checkArgs("oil", {"4", "1", huge}), 1, "--travel \"99999999"},
        {checkArgs("oil", {"4", "1", "2\xFF\xFE"}), 1, "--travel 2\xEF\xBF\xBD\xEF\xBF\xBD is not"},
        {checkArgs("oil", {"4", "1", "\xC3"}), 1, "--travel \xEF\xBF\xBD is not a number"},
        {checkArgs("oil", {"4", "1", "25", "--load", "1"}), 2,
         "the oil check has no option '--load'"},
        {checkArgs("oil", {"4", "1", "25", "--travel", "3"}), 2, "option --travel is given twice"},
        {checkArgs("car-weight", {"4", "1"}), 2,
         "missing inputs --empty-pressure and --rated-load"},
        {checkArgs("hold", {"600"}), 2, "missing input --end-pressure"},
        {checkArgs("hold", {"600", "--metric"}), 2, "option --end-pressure needs a value"},
        {checkArgs("hold", {"1:2:1", "1:2:1"}), 2, "only one input may be a range"},
        {{"oils", "--diameter", "4"}, 2, "unknown calculator 'oils'"},
        {{"oil", huge}, 2, "no option '99999999"},
    };
    for (const auto &[args, status, says] : cases) {
        for (const char *form : {"--json", "--csv"}) {
            auto withForm = args;
            withForm.push_back(form);
            const Result r = runCommand(withForm);
            EXPECT_EQ(r.status, status) << says;
            EXPECT_NE(r.err.find(says), std::string::npos) << r.err.substr(0, 200);
            EXPECT_LT(r.err.size(), 200u) << says;
            EXPECT_EQ(r.out.find('\xFF'), std::string::npos);
            EXPECT_EQ(status == 2, r.out.empty());
        }
    }
}

// The same figures typed in each regional format give the same JSON; the table writes them in
// that format.
TEST(CheckCommand, RegionalFormats) {
    const std::string english =
        runCommand(checkArgs("car-weight", {"8", "2", "120.5", "4500", "--json"})).out;
    struct Case {
        std::string locale, pressure, load;
    };
    const std::vector<Case> cases{
        {"de_DE", "120,5", "4.500"},      {"fr_FR", "120,5", "4\u202F500"},
        {"fr_FR", "120,5", "4 500"},      {"de_CH", "120.5", "4'500"},
        {"de_CH", "120.5", "4\u2019500"}, {"de_CH", "120.5", "4\u02BC500"},
    };
    for (const auto &[locale, pressure, load] : cases) {
        const Result r = runCommand(
            checkArgs("car-weight", {"8", "2", pressure, load, "--locale", locale, "--json"}));
        EXPECT_EQ(r.out, english) << locale << " " << load;
    }
    EXPECT_NE(english.find(R"("car_weight_lb":12113.971,)"), std::string::npos) << english;
    EXPECT_EQ(runCommand(checkArgs("relief", {"400", "500", "--locale", "de_CH"})).status, 0);
    EXPECT_EQ(runCommand(checkArgs("car-weight", {"8", "2", "120.5", "4'500"})).status, 1);
    EXPECT_EQ(
        runCommand(checkArgs("car-weight", {"8", "2", "120,5", "4.500", "--locale", "de_DE"})).out,
        "Car weight from the gauge, from imperial inputs\n\n"
        "                     Imperial        Metric\n"
        "Plunger diameter     8 IN            203,200 MM\n"
        "Number of plungers   2\n"
        "Empty-car pressure   120,5 PSI       8,308 BAR\n"
        "Rated load           4.500 LB        2.041,155 KG\n"
        "Car weight           12.113,971 LB   5.494,776 KG\n"
        "Full-load pressure   165,262 PSI     11,395 BAR\n");
}

// A range gives a row a value, a refused row keeping its place with its reason.
TEST(CheckCommand, Ranges) {
    const Result json = runCommand(checkArgs("hold", {"600", "570:-30:-300", "--json"}));
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(json.err, "liftcalc: 1 of 3 calculations refused; each row says why\n");
    EXPECT_EQ(json.out,
              R"({"check":"hold","units":"imperial","rows":[)"
              "\n"
              R"({"start_pressure_psi":600,"start_pressure_bar":41.37,"end_pressure_psi":570,)"
              R"("end_pressure_bar":39.302,"lost_pct":5,"refused":null},)"
              "\n"
              R"({"start_pressure_psi":600,"start_pressure_bar":41.37,"end_pressure_psi":270,)"
              R"("end_pressure_bar":18.617,"lost_pct":55,"refused":null},)"
              "\n"
              R"({"start_pressure_psi":600,"start_pressure_bar":null,"end_pressure_psi":-30,)"
              R"("end_pressure_bar":null,"lost_pct":null,"refused":"--end-pressure -30 must be 0 )"
              R"(or more"})"
              "\n]}\n");
    // A range across the whole double range gives its three rows, each judged for itself
    // (pR / pF x 100 stays within the double range at the top).
    const Result ends =
        runCommand(checkArgs("relief", {"100", "-1.7e308:1.7e308:1.7e308", "--csv"}));
    EXPECT_EQ(ends.status, 1);
    EXPECT_EQ(ends.err, "liftcalc: 2 of 3 calculations refused; each row says why\n");
    EXPECT_EQ(ends.out, "full_load_pressure_psi,full_load_pressure_bar,relief_setting_psi,"
                        "relief_setting_bar,share_pct,refused\r\n"
                        "100,,-1.7e+308,,,--relief-setting -1.7E+308 must be more than 0\r\n"
                        "100,,0,,,--relief-setting 0 must be more than 0\r\n"
                        "100,6.895,1.7e+308,1.17215e+307,1.7e+308,\r\n");
    const Result table = runCommand(
        checkArgs("drift", {"150", "1", "50", "10:30:10", "--metric", "--locale", "de_DE"}));
    EXPECT_EQ(table.status, 0) << table.err;
    EXPECT_EQ(table.out, "diameter_in   diameter_mm   plungers   drift_in   drift_mm   time_min   "
                         "oil_lost_gal   oil_lost_l   leak_rate_gal_h   leak_rate_l_h\n"
                         "5,906         150           1          1,969      50         10         "
                         "0,234          0,884        1,400             5,301\n"
                         "5,906         150           1          1,969      50         20         "
                         "0,234          0,884        0,700             2,651\n"
                         "5,906         150           1          1,969      50         30         "
                         "0,234          0,884        0,467             1,767\n");
}

// The program's help lists the checks apart, after the calculators; a check's own help gives
// each input's units and rule, its answers' columns and its formulas, and its examples are what
// the program prints.
TEST(CheckCommand, Help) {
    const std::string program = programHelp();
    const auto checksAt = program.find("\nField checks:\n");
    ASSERT_NE(checksAt, std::string::npos);
    EXPECT_LT(program.find("\nCalculators:\n"), checksAt);
    for (const Check *check : checks::kAll) {
        const auto line = program.find("\n  " + std::string(check->command) + " ");
        EXPECT_GT(line, checksAt) << check->command;
        EXPECT_EQ(program.find(check->title, line) - line,
                  3 + std::string_view("test-pressure").size() + 2)
            << check->command;
    }
    const Result pump = runCommand({"pump", "--help"});
    EXPECT_EQ(pump.status, 0);
    for (const char *says :
         {"  --efficiency  Overall efficiency (%), more than 0 and at most 100\n",
          "  --pressure    Pressure (PSI or BAR), more than 0\n",
          "  Motor power (HP or KW)      motor_power_hp motor_power_kw\n",
          "Imperial (PSI, GPM, %, HP):\n"
          "  hydraulic-power = pressure x flow x 231 / 396,000\n",
          "Metric (BAR, LPS, %, KW):\n  hydraulic-power = pressure x flow / 10\n"})
        EXPECT_NE(pump.out.find(says), std::string::npos) << says;
    const std::string hold = runCommand({"hold", "--help"}).out;
    EXPECT_NE(hold.find("  --end-pressure    Pressure at the end (PSI or BAR), 0 or more\n"),
              std::string::npos)
        << hold;
    EXPECT_NE(hold.find("In either unit system:\n  lost = "), std::string::npos) << hold;

    const auto examples = helpExamples(checkOutputHelp());
    ASSERT_EQ(examples.size(), 2u);
    for (const auto &[args, text] : examples)
        EXPECT_EQ(flattened(runCommand(args).out), text);
}

} // namespace
} // namespace liftcalc::cli
