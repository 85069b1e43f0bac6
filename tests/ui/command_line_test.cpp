// SPDX-License-Identifier: MIT
// Which arguments open the window, run a calculation, answer on the terminal or are refused:
// Qt's own options go through to Qt, anything else unknown is a usage error.
#include "ui/command_line.h"

#include <QTest>

using namespace liftcalc;

Q_DECLARE_METATYPE(liftcalc::CommandLine)

class CommandLineTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void parse_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<CommandLine>("expected");
        const auto row = [](const char *name, QStringList arguments, CommandLine expected) {
            QTest::newRow(name) << arguments << expected;
        };
        row("nothing", {}, CommandLine::OpenWindow);
        row("style", {"-style", "Fusion"}, CommandLine::OpenWindow);
        row("double dash, equals", {"--style=Fusion"}, CommandLine::OpenWindow);
        row("style sheet", {"-stylesheet", "look.qss"}, CommandLine::OpenWindow);
        row("style sheet, equals", {"-stylesheet=look.qss"}, CommandLine::OpenWindow);
        row("platform, reverse", {"-platform", "offscreen", "-reverse"}, CommandLine::OpenWindow);
        row("double dash platform", {"--platform", "xcb"}, CommandLine::OpenWindow);
        row("geometry and title", {"-qwindowgeometry", "640x520+0+0", "-qwindowtitle", "liftcalc"},
            CommandLine::OpenWindow);
        row("X11 display", {"-display", ":1", "-nograb"}, CommandLine::OpenWindow);
        row("a value that looks like a word", {"-platform", "--version"}, CommandLine::OpenWindow);
        row("value missing", {"-style"}, CommandLine::Wrong);
        row("value on a switch", {"-reverse=yes"}, CommandLine::Wrong);
        row("help with a Qt option", {"-style", "Fusion", "--help"}, CommandLine::Help);
        row("short help", {"-h"}, CommandLine::Help);
        row("version", {"--version"}, CommandLine::Version);
        row("calculator", {"pressure", "--diameter", "10"}, CommandLine::Calculate);
        row("Qt option before a calculator", {"-reverse", "pressure"}, CommandLine::Wrong);
        row("unknown option", {"--bogus"}, CommandLine::Wrong);
        row("unknown single dash", {"-styles", "Fusion"}, CommandLine::Wrong);
        row("stray word after Qt options", {"-reverse", "file.txt"}, CommandLine::Wrong);
        row("help and version", {"--help", "--version"}, CommandLine::Wrong);
        row("lone dash", {"-"}, CommandLine::Wrong);
    }
    void parse() {
        QFETCH(QStringList, arguments);
        QFETCH(CommandLine, expected);
        std::vector<std::string> words;
        for (const QString &a : arguments)
            words.push_back(a.toStdString());
        QCOMPARE(static_cast<int>(parseCommandLine(words)), static_cast<int>(expected));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)
#include "command_line_test.moc"
