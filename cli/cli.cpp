// SPDX-License-Identifier: MIT
#include "cli/cli.h"

#include "cli/data_output.h"
#include "cli/help.h"
#include "cli/record_command.h"
#include "cli/sweep.h"
#include "cli/table_output.h"
#include "platform/locale_format.h"

#include <ostream>

namespace liftcalc::cli {
namespace {

constexpr std::size_t kMaxSweepRows = 1000000;

struct Command {
    Request request;
    NumberFormat format;
    std::optional<Sweep> sweep;
    std::string sweptInput;
};

Command commandOf(std::span<const std::string> args, const NumberFormat &userFormat) {
    Command command{parseRequest(args), userFormat, std::nullopt, ""};
    if (command.request.help)
        return command;
    if (command.request.locale) {
        auto named = numberFormatNamed(*command.request.locale);
        if (!named)
            throw UsageError("no locale is named '" + localeNameShown(*command.request.locale) +
                             "'");
        command.format = *named;
    }
    for (const auto &[input, text] : command.request.inputs)
        if (text.find(':') != std::string::npos) {
            command.sweptInput = input;
            command.sweep.emplace(text, command.format, kMaxSweepRows);
        }
    return command;
}

FigureRow figuresOf(const Request &request, const std::map<std::string, std::string> &inputs,
                    const NumberFormat &format) {
    return request.check ? calculate(*request.check, request.imperial, inputs, format)
                         : calculate(*request.command, request.imperial, inputs, format);
}

int calculateOnce(const Command &command, std::ostream &out, std::ostream &err) {
    const Request &request = command.request;
    const FigureRow figures = figuresOf(request, request.inputs, command.format);
    if (request.output != OutputForm::Table)
        DataWriter(out, request, command.format).single(figures);
    else if (!figures.refused())
        printFigures(out, request, figures);
    if (!figures.refused())
        return request.record ? addToRecord(request, figures, command.format, err) : 0;
    // The calculator window's own message, then what to fix.
    if (request.command)
        err << kInvalidNumberPrompt << "\n";
    for (const std::string &reason : figures.refusal)
        err << reason << "\n";
    return 1;
}

// Each row is calculated and written at once, so that a sweep holds one row at a time.
int calculateSweep(const Command &command, std::ostream &out, std::ostream &err) {
    const Request &request = command.request;
    auto inputs = request.inputs;
    auto rowAt = [&](std::size_t i) {
        inputs[command.sweptInput] = (*command.sweep)[i];
        return figuresOf(request, inputs, command.format);
    };
    const std::size_t rows = command.sweep->size();
    std::size_t refused = 0;
    if (request.output == OutputForm::Table) {
        SweepTable table;
        table.measure(rowAt(0));
        table.measure(rowAt(rows - 1));
        table.header(out);
        for (std::size_t i = 0; i < rows; ++i) {
            const FigureRow figures = rowAt(i);
            refused += figures.refused();
            table.row(out, figures);
        }
    } else {
        DataWriter writer(out, request, command.format);
        for (std::size_t i = 0; i < rows; ++i) {
            const FigureRow figures = rowAt(i);
            refused += figures.refused();
            writer.row(figures);
        }
        writer.finish();
    }
    if (refused == 0)
        return 0;
    err << "liftcalc: " << refused << " of " << rows
        << " calculations refused; each row says why\n";
    return 1;
}

} // namespace

bool isCommandName(std::string_view word) {
    return commandNamed(word) || checkNamed(word) || word == kRecordCommand;
}

int run(std::span<const std::string> args, std::ostream &out, std::ostream &err,
        const NumberFormat &userFormat, const PdfWriter &pdf) {
    if (!args.empty() && args[0] == kRecordCommand)
        return runRecord(args.subspan(1), out, err, userFormat, pdf);
    Command command;
    try {
        command = commandOf(args, userFormat);
    } catch (const UsageError &e) {
        const bool named = !args.empty() && isCommandName(args[0]);
        err << "liftcalc: " << e.what() << "\n"
            << "Try 'liftcalc " << (named ? args[0] + " " : "") << "--help'.\n";
        return 2;
    }
    if (command.request.help) {
        out << (command.request.check ? checkHelp(*command.request.check)
                                      : calculatorHelp(*command.request.command));
        return 0;
    }
    return command.sweep ? calculateSweep(command, out, err) : calculateOnce(command, out, err);
}

} // namespace liftcalc::cli
