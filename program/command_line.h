// SPDX-License-Identifier: MIT
// The program's command line, answered on the terminal before any window opens: help, version,
// or a calculation without the window.
#pragma once

#include <string>
#include <vector>

namespace liftcalc {

// OpenRecord: the window opens with the test record in the one argument, an existing .liftrec
// file, as a file manager asks.
enum class CommandLine { OpenWindow, OpenRecord, Calculate, Help, Version, Wrong };

CommandLine parseCommandLine(const std::vector<std::string> &arguments);

std::string helpText(const std::string &program);
std::string versionText();
std::string usageText(const std::string &program);

} // namespace liftcalc
