// SPDX-License-Identifier: MIT
#include "cli/cli.h"
#include "window/controls.h"

#include "cli/output.h"
#include "platform/locale_format.h"

#include <ostream>

namespace liftcalc::cli {
namespace {

constexpr std::size_t kMaxSweepRows = 100000;

std::string unitsOf(const Quantity &quantity) {
    const auto &imperial = kFields[quantity.imperialField].unit;
    if (!quantity.metricField)
        return "a whole number";
    return std::string(imperial) + " or " + std::string(kFields[*quantity.metricField].unit);
}

std::string calculatorHelp(const CalculatorCommand &command) {
    std::string text = "Usage: liftcalc " + std::string(command.name) + " [--imperial|--metric]";
    for (std::string_view input : command.inputs())
        text += " --" + std::string(input) + " VALUE";
    text += " [--json|--csv] [--locale NAME]\n\n" + std::string(command.title) +
            ": works out every quantity below from the three inputs, in both unit systems.\n\n";
    for (std::string_view input : command.inputs()) {
        const Quantity &q = *quantityNamed(input);
        text += "  --" + std::string(input) + std::string(14 - input.size(), ' ') +
                std::string(kFields[q.imperialField].quantity) + " (" + unitsOf(q) + ")\n";
    }
    text += "\nValues are in imperial units unless --metric is given. One input may be a range\n"
            "FROM:TO:STEP, which prints a row for each value (--csv for CSV). Numbers are read\n"
            "in the regional format of --locale NAME (such as de_DE), or else the user's own.\n";
    return text;
}

} // namespace

bool isCalculatorName(std::string_view word) {
    return commandNamed(word) != nullptr;
}

std::string programHelp() {
    std::string text = "Usage: liftcalc                      open the calculator window\n"
                       "       liftcalc CALCULATOR [options]  calculate on the command line\n"
                       "       liftcalc --help | --version\n\nCalculators:\n";
    for (const auto &command : kCommands) {
        text += "  " + std::string(command.name) + std::string(14 - command.name.size(), ' ') +
                std::string(command.title) + " from";
        const auto inputs = command.inputs();
        for (std::size_t i = 0; i < inputs.size(); ++i)
            text += std::string(i == 0                  ? " --"
                                : i + 1 < inputs.size() ? ", --"
                                                        : " and --") +
                    std::string(inputs[i]);
        text += "\n";
    }
    text += "\nUnits: diameter IN or MM, load LB or KG, pressure PSI or BAR, speed FPM or MPS,\n"
            "flow GPM or LPS, displacement GPF or LPM; plungers is a whole number.\n"
            "'liftcalc CALCULATOR --help' describes one calculator.\n";
    return text;
}

int run(std::span<const std::string> args, std::ostream &out, std::ostream &err,
        const NumberFormat &userFormat) {
    Request request;
    NumberFormat format = userFormat;
    std::vector<std::string> values;
    std::string sweptInput;
    try {
        request = parseRequest(args);
        if (request.help) {
            out << calculatorHelp(*request.command);
            return 0;
        }
        if (request.locale) {
            auto named = numberFormatNamed(*request.locale);
            if (!named)
                throw UsageError("unknown locale '" + *request.locale + "'");
            format = *named;
        }
        for (const auto &[input, text] : request.inputs) {
            if (text.find(':') != std::string::npos) {
                sweptInput = input;
                values = sweepValues(text, format, kMaxSweepRows);
            }
        }
    } catch (const UsageError &e) {
        const CalculatorCommand *command = args.empty() ? nullptr : commandNamed(args[0]);
        err << "liftcalc: " << e.what() << "\n"
            << "Try 'liftcalc " << (command ? std::string(command->name) + " " : "")
            << "--help'.\n";
        return 2;
    }

    if (sweptInput.empty()) {
        Outcome outcome = calculate(*request.command, request.imperial, request.inputs, format);
        if (outcome.figures.empty()) {
            err << outcome.refusal << "\n";
            return 1;
        }
        printFigures(out, request, outcome.figures);
        return 0;
    }

    int status = 0;
    std::vector<std::vector<Figure>> rows;
    auto inputs = request.inputs;
    for (const std::string &value : values) {
        inputs[sweptInput] = value;
        Outcome outcome = calculate(*request.command, request.imperial, inputs, format);
        if (outcome.figures.empty()) {
            err << "--" << sweptInput << " " << value << ": " << outcome.refusal << "\n";
            status = 1;
            continue;
        }
        rows.push_back(std::move(outcome.figures));
    }
    printRows(out, request, rows);
    return status;
}

} // namespace liftcalc::cli
