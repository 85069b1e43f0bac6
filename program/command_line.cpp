// SPDX-License-Identifier: MIT
#include "program/command_line.h"

#include "cli/cli.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <string_view>

namespace liftcalc {

namespace {

// The standard options of every Qt program, which QApplication takes out of the arguments
// itself: the platform, theme, style and style sheet, the first window's geometry, title and
// icon, right-to-left layout, session management, and those of the X11 platform.
struct QtOption {
    std::string_view name;
    bool takesValue;
};
constexpr auto kQtOptions = std::to_array<QtOption>({
    {"-platform", true},
    {"-platformpluginpath", true},
    {"-platformtheme", true},
    {"-plugin", true},
    {"-qwindowgeometry", true},
    {"-qwindowicon", true},
    {"-qwindowtitle", true},
    {"-session", true},
    {"-style", true},
    {"-stylesheet", true},
    {"-qmljsdebugger", true},
    {"-display", true},
    {"-geometry", true},
    {"-title", true},
    {"-icon", true},
    {"-name", true},
    {"-visual", true},
    {"-reverse", false},
    {"-widgetcount", false},
    {"-nograb", false},
    {"-dograb", false},
});

// How many arguments the Qt option at `at` takes up with its value (Qt reads "--style" as
// "-style", and the style, style sheet and QML debugger also as "-style=NAME"): 0 when it is
// not a Qt option, -1 when its value is missing.
int qtOptionLength(const std::vector<std::string> &arguments, std::size_t at) {
    std::string_view word = arguments[at];
    if (word.starts_with("--"))
        word.remove_prefix(1);
    const std::string_view name = word.substr(0, word.find('='));
    const auto *option = std::find_if(kQtOptions.begin(), kQtOptions.end(),
                                      [name](const QtOption &o) { return o.name == name; });
    if (option == kQtOptions.end())
        return 0;
    const bool inlineValue = name.size() < word.size();
    if (inlineValue)
        return option->takesValue ? 1 : 0;
    if (!option->takesValue)
        return 1;
    return at + 1 < arguments.size() ? 2 : -1;
}

// An existing file (or a link to one) whose name ends in .liftrec, in any case.
bool isRecordFile(std::string_view name) {
    constexpr std::string_view kExtension = ".liftrec";
    if (name.size() <= kExtension.size())
        return false;
    const std::string_view end = name.substr(name.size() - kExtension.size());
    for (std::size_t i = 0; i < end.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(end[i])) != kExtension[i])
            return false;
    std::error_code error;
    return std::filesystem::is_regular_file(std::filesystem::path(name), error);
}

} // namespace

CommandLine parseCommandLine(const std::vector<std::string> &arguments) {
    if (!arguments.empty() && cli::isCommandName(arguments[0]))
        return CommandLine::Calculate;
    std::vector<std::string_view> own;
    for (std::size_t i = 0; i < arguments.size();) {
        const int length = qtOptionLength(arguments, i);
        if (length < 0)
            return CommandLine::Wrong;
        if (length == 0)
            own.push_back(arguments[i++]);
        i += static_cast<std::size_t>(length);
    }
    if (own.empty())
        return CommandLine::OpenWindow;
    if (own.size() == 1 && (own[0] == "--help" || own[0] == "-h"))
        return CommandLine::Help;
    if (own.size() == 1 && own[0] == "--version")
        return CommandLine::Version;
    if (own.size() == 1 && isRecordFile(own[0]))
        return CommandLine::OpenRecord;
    return CommandLine::Wrong;
}

std::string usageText(const std::string &program) {
    return "Usage: " + program +
           " [QT-OPTIONS] [FILE.liftrec] | CALCULATOR [options] | record COMMAND FILE | --help | "
           "--version\n";
}

std::string helpText(const std::string &) {
    return cli::programHelp() +
           "\n"
           "Without arguments the window opens. Everything is typed into it; only a test\n"
           "record is read from or written to a file. With a test record FILE.liftrec the\n"
           "window opens with it. The window takes the standard options\n"
           "of a Qt program, such as -style Fusion, -stylesheet FILE, -platform offscreen,\n"
           "-reverse or -qwindowgeometry 640x520+0+0.\n"
           "\n"
           "  -h, --help     show this help and exit\n"
           "      --version  show the version and exit\n";
}

std::string versionText() {
    return "liftcalc " LIFTCALC_VERSION "\n";
}

} // namespace liftcalc
