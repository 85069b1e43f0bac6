// SPDX-License-Identifier: MIT
#include "ui/command_line.h"

namespace liftcalc {

CommandLine parseCommandLine(const std::vector<std::string> &arguments) {
    if (arguments.empty())
        return CommandLine::OpenWindow;
    if (arguments.size() == 1 && (arguments[0] == "--help" || arguments[0] == "-h"))
        return CommandLine::Help;
    if (arguments.size() == 1 && arguments[0] == "--version")
        return CommandLine::Version;
    return CommandLine::Wrong;
}

std::string usageText(const std::string &program) {
    return "Usage: " + program + " [--help | --version]\n";
}

std::string helpText(const std::string &program) {
    return usageText(program) +
           "\n"
           "Opens the hydraulic elevator calculator: static pressure, flow rate, plunger\n"
           "displacement, load on plunger(s), plunger diameter and up speed at rated load,\n"
           "in imperial and metric units. Everything is typed into the window; nothing is\n"
           "read from or written to files.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n";
}

std::string versionText() {
    return "liftcalc " LIFTCALC_VERSION "\n";
}

} // namespace liftcalc
