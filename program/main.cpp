// SPDX-License-Identifier: MIT
// The program: answers --help and --version and runs calculations on the terminal, or loads
// the window module and opens the calculator window.
#include "cli/cli.h"
#include "platform/locale_format.h"
#include "program/command_line.h"
#include "ui/window_module.h"

#include <QLibrary>
#include <QLocale>
#include <filesystem>
#include <iostream>
#include <system_error>

namespace {

// The module lies where it is installed relative to the program (LIFTCALC_WINDOW_MODULE), in
// the build folder as after installation.
int runWindow(int argc, char *argv[]) {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        std::cerr << "liftcalc: cannot open the window: the program's own path is unknown ("
                  << error.message() << ")\n";
        return 1;
    }
    QLibrary module(QString::fromStdString(program.parent_path() / LIFTCALC_WINDOW_MODULE));
    // Every symbol now, so that a broken module fails here and not in the middle of the window.
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    const auto run =
        reinterpret_cast<decltype(&liftcalcRunWindow)>(module.resolve(liftcalc::kRunWindowSymbol));
    if (!run) {
        std::cerr << "liftcalc: cannot open the window: " << module.errorString().toStdString()
                  << "\n";
        return 1;
    }
    return run(&argc, argv);
}

} // namespace

int main(int argc, char *argv[]) {
    using namespace liftcalc;
    const std::string program = argc > 0 ? argv[0] : "liftcalc";
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    switch (parseCommandLine(arguments)) {
    case CommandLine::Calculate:
        return cli::run(arguments, std::cout, std::cerr, numberFormatOf(QLocale::system()));
    case CommandLine::Help:
        std::cout << helpText(program);
        return 0;
    case CommandLine::Version:
        std::cout << versionText();
        return 0;
    case CommandLine::Wrong:
        std::cerr << usageText(program) << "Try '" << program << " --help' for more.\n";
        return 2;
    case CommandLine::OpenWindow:
        break;
    }
    return runWindow(argc, argv);
}
