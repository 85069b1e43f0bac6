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
#include <optional>
#include <string>
#include <system_error>

namespace {

// The module lies where it is installed relative to the program (LIFTCALC_WINDOW_MODULE), in
// the build folder as after installation. Nothing, with the reason in WHY, when it cannot be
// loaded or lacks the symbol. The module stays loaded until the program ends.
QFunctionPointer moduleSymbol(const char *symbol, std::string &why) {
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        why = "the program's own path is unknown (" + error.message() + ")";
        return nullptr;
    }
    QLibrary module(QString::fromStdString(program.parent_path() / LIFTCALC_WINDOW_MODULE));
    // Every symbol now, so that a broken module fails here and not in the middle of the window.
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    const QFunctionPointer found = module.resolve(symbol);
    if (!found)
        why = module.errorString().toStdString();
    return found;
}

int runWindow(int argc, char *argv[]) {
    std::string why;
    const auto run = reinterpret_cast<decltype(&liftcalcRunWindow)>(
        moduleSymbol(liftcalc::kRunWindowSymbol, why));
    if (!run) {
        std::cerr << "liftcalc: cannot open the window: " << why << "\n";
        return 1;
    }
    return run(&argc, argv);
}

// A record's PDF, drawn by the window module with Qt GUI.
std::optional<std::string> writeRecordPdf(const liftcalc::cli::PdfRequest &request) {
    std::string why;
    const auto write = reinterpret_cast<decltype(&liftcalcWriteRecordPdf)>(
        moduleSymbol(liftcalc::kWriteRecordPdfSymbol, why));
    if (!write)
        return "cannot load the window module to draw the PDF: " + why;
    const LiftcalcRecordPdf call{request.file.c_str(),           request.output.c_str(),
                                 request.paper.c_str(),          request.locale.c_str(),
                                 request.format.decimal.c_str(), request.format.group.c_str(),
                                 request.format.minus.c_str()};
    char message[1024] = "";
    if (write(&call, message, sizeof message) != 0)
        return std::string(message);
    return std::nullopt;
}

} // namespace

int main(int argc, char *argv[]) {
    using namespace liftcalc;
    const std::string program = argc > 0 ? argv[0] : "liftcalc";
    const std::vector<std::string> arguments(argv + std::min(argc, 1), argv + argc);
    switch (parseCommandLine(arguments)) {
    case CommandLine::Calculate:
        return cli::run(arguments, std::cout, std::cerr, numberFormatOf(QLocale::system()),
                        writeRecordPdf);
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
    case CommandLine::OpenRecord:
        break;
    }
    return runWindow(argc, argv);
}
