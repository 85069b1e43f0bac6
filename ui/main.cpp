// SPDX-License-Identifier: MIT
// The program: answers --help and --version on the terminal, or opens the calculator window.
#include "cli/cli.h"
#include "platform/locale_format.h"
#include "ui/calculator_form.h"
#include "ui/command_line.h"
#include "ui/message_box_host.h"

#include <QApplication>
#include <iostream>

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

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("liftcalc"));
    QApplication::setDesktopFileName(QStringLiteral("liftcalc"));
    MessageBoxHost host;
    Window window(host, numberFormatOf(QLocale::system()));
    CalculatorForm form(window);
    host.setWindow(&form);
    window.start();
    form.showCentred();
    return QApplication::exec();
}
