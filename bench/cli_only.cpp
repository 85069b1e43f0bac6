// SPDX-License-Identifier: MIT
// The command line without the desktop program around it: the same run, linked against Qt Core
// alone, to tell the command line's own memory from what loading Qt Widgets costs.
#include "cli/cli.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char *argv[]) {
    const std::vector<std::string> arguments(argv + 1, argv + argc);
    return liftcalc::cli::run(arguments, std::cout, std::cerr, liftcalc::NumberFormat::english());
}
