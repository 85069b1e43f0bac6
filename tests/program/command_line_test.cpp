// SPDX-License-Identifier: MIT
// Which arguments open the window, run a calculation, answer on the terminal or are refused:
// Qt's own options go through to Qt, anything else unknown is a usage error.
#include "program/command_line.h"

#include <gtest/gtest.h>

using namespace liftcalc;

namespace {

struct ParseCase {
    const char *name;
    std::vector<std::string> arguments;
    CommandLine expected;
};

class CommandLineTest : public testing::TestWithParam<ParseCase> {};

TEST_P(CommandLineTest, Parse) {
    EXPECT_EQ(parseCommandLine(GetParam().arguments), GetParam().expected);
}

using enum CommandLine;
INSTANTIATE_TEST_SUITE_P(
    Arguments, CommandLineTest,
    testing::Values(
        ParseCase{"Nothing", {}, OpenWindow}, ParseCase{"Style", {"-style", "Fusion"}, OpenWindow},
        ParseCase{"DoubleDashEquals", {"--style=Fusion"}, OpenWindow},
        ParseCase{"StyleSheet", {"-stylesheet", "look.qss"}, OpenWindow},
        ParseCase{"StyleSheetEquals", {"-stylesheet=look.qss"}, OpenWindow},
        ParseCase{"PlatformReverse", {"-platform", "offscreen", "-reverse"}, OpenWindow},
        ParseCase{"DoubleDashPlatform", {"--platform", "xcb"}, OpenWindow},
        ParseCase{"GeometryAndTitle",
                  {"-qwindowgeometry", "640x520+0+0", "-qwindowtitle", "liftcalc"},
                  OpenWindow},
        ParseCase{"X11Display", {"-display", ":1", "-nograb"}, OpenWindow},
        ParseCase{"ValueThatLooksLikeAWord", {"-platform", "--version"}, OpenWindow},
        ParseCase{"ValueMissing", {"-style"}, Wrong},
        ParseCase{"ValueOnASwitch", {"-reverse=yes"}, Wrong},
        ParseCase{"HelpWithAQtOption", {"-style", "Fusion", "--help"}, Help},
        ParseCase{"ShortHelp", {"-h"}, Help}, ParseCase{"Version", {"--version"}, Version},
        ParseCase{"Calculator", {"pressure", "--diameter", "10"}, Calculate},
        ParseCase{"Check", {"car-load", "--diameter", "10"}, Calculate},
        ParseCase{"QtOptionBeforeACalculator", {"-reverse", "pressure"}, Wrong},
        ParseCase{"UnknownOption", {"--bogus"}, Wrong},
        ParseCase{"UnknownSingleDash", {"-styles", "Fusion"}, Wrong},
        ParseCase{"StrayWordAfterQtOptions", {"-reverse", "file.txt"}, Wrong},
        ParseCase{"HelpAndVersion", {"--help", "--version"}, Wrong},
        ParseCase{"LoneDash", {"-"}, Wrong},
        ParseCase{"RecordFile", {LIFTCALC_RECORD_FILE}, OpenRecord},
        ParseCase{"RecordFileWithAQtOption", {"-style", "Fusion", LIFTCALC_RECORD_FILE},
                  OpenRecord},
        ParseCase{"MissingRecordFile", {"/no/such/visit.liftrec"}, Wrong},
        ParseCase{"FolderNamedAsARecord", {LIFTCALC_RECORD_FOLDER}, Wrong},
        ParseCase{"TwoRecordFiles", {LIFTCALC_RECORD_FILE, LIFTCALC_RECORD_FILE}, Wrong}),
    [](const auto &info) { return info.param.name; });

} // namespace
