// SPDX-License-Identifier: MIT
// Every file of the scenarios folder is one test: a short story of what a person does to the
// window, with the state the window must show along the way.
#include "scenario_runner.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<std::filesystem::path> scenarioFiles() {
    std::vector<std::filesystem::path> files;
    // The test record window's scenarios stand in a folder of their own, which a front end
    // without that window does not play.
    for (const auto &entry : std::filesystem::recursive_directory_iterator(LIFTCALC_SCENARIO_DIR))
        if (entry.path().extension() == ".scenario")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class Scenario : public ::testing::TestWithParam<std::filesystem::path> {};

// The window shows, after each step of the story, what the scenario expects.
TEST_P(Scenario, ShowsWhatItExpects) {
    liftcalc::testing::runScenario(GetParam());
}

INSTANTIATE_TEST_SUITE_P(
    Files, Scenario, ::testing::ValuesIn(scenarioFiles()), [](const auto &info) {
        std::string name = info.param.stem().string();
        std::replace_if(
            name.begin(), name.end(),
            [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
        return name;
    });

// The folder holds scenarios at all: a wrong path must not pass as an empty suite.
TEST(ScenarioFolder, IsNotEmpty) {
    EXPECT_GE(scenarioFiles().size(), 10u);
}

} // namespace
