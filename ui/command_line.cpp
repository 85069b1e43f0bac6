// SPDX-License-Identifier: MIT
#include "ui/command_line.h"

#include "cli/cli.h"

namespace liftcalc {

CommandLine parseCommandLine(const std::vector<std::string> &arguments) {
    if (arguments.empty())
        return CommandLine::OpenWindow;
    if (cli::isCalculatorName(arguments[0]))
        return CommandLine::Calculate;
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h"))
        return CommandLine::Help;
    if (arguments.size() == 1 && arguments[0] == "--version")
        return CommandLine::Version;
    return CommandLine::Wrong;
}

std::string usageText(const std::string &program) {
    return "Usage: " + program + " [CALCULATOR [options] | --help | --version]\n";
}

std::string helpText(const std::string &) {
    return cli::programHelp() +
           "\n"
           "Without arguments the window opens. Everything is typed into it; nothing is\n"
           "read from or written to files.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n";
}

std::string versionText() {
    return "liftcalc " LIFTCALC_VERSION "\n";
}

} // namespace liftcalc
