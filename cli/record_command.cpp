// SPDX-License-Identifier: MIT
#include "cli/record_command.h"

#include "cli/help.h"
#include "cli/record_file.h"
#include "platform/locale_format.h"
#include "record/entry_figures.h"
#include "record/record_csv.h"
#include "record/words.h"

#include <algorithm>
#include <array>
#include <ostream>

namespace liftcalc::cli {
namespace {

using record::words::Message;
using record::words::say;
namespace words = record::words;

struct RecordArgs {
    std::string file;
    NumberFormat format;
    std::string locale; // as --locale names it
    std::string output; // record pdf's --output
    std::string paper;  // record pdf's --paper
    const PdfWriter *pdf = nullptr;
};

// A cell of the table on one line: a typed line break or tab shows as a space.
std::string oneLine(std::string text) {
    std::replace_if(
        text.begin(), text.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }, ' ');
    return text;
}

std::size_t width(std::string_view utf8) {
    return static_cast<std::size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string padded(const std::string &text, std::size_t to) {
    return text + std::string(to > width(text) ? to - width(text) : 0, ' ');
}

std::string measureText(const std::optional<record::Measure> &m, const NumberFormat &format) {
    return m ? plainText(m->value, format) + " " + m->unit : "";
}

void printHead(std::ostream &out, const record::Record &r, const NumberFormat &format) {
    out << words::kDocumentTitle << "  " << oneLine(r.id) << "\n\n";
    const std::string texts[] = {r.lift.deviceId,
                                 r.lift.serial,
                                 r.lift.location,
                                 r.lift.address,
                                 r.lift.owner,
                                 r.lift.maker,
                                 measureText(r.lift.ratedLoad, format),
                                 measureText(r.lift.ratedSpeed, format),
                                 measureText(r.lift.diameter, format),
                                 r.lift.plungers ? plainText(*r.lift.plungers, format) : "",
                                 r.visit.date,
                                 r.visit.kind,
                                 r.visit.code,
                                 r.visit.testedBy.name,
                                 r.visit.testedBy.licence,
                                 r.visit.testedBy.company,
                                 r.visit.witnessedBy.name,
                                 r.visit.witnessedBy.agency,
                                 r.visit.remarks};
    std::vector<std::string_view> captions;
    for (const auto &f : words::kLiftFields)
        captions.push_back(f.caption);
    for (const auto &f : words::kVisitFields)
        captions.push_back(f.caption);
    std::size_t widest = 0;
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (!texts[i].empty())
            widest = std::max(widest, width(captions[i]));
    for (std::size_t i = 0; i < captions.size(); ++i)
        if (!texts[i].empty())
            out << padded(std::string(captions[i]) + ":", widest + 2) << oneLine(texts[i]) << "\n";
}

// An imperial figure and its metric equivalent share a line, in aligned columns.
void printFigures(std::ostream &out, const record::Entry &entry, const NumberFormat &format) {
    const auto shown = record::shownFigures(entry, format);
    auto withUnit = [&](std::size_t k) {
        return oneLine(shown[k].text +
                       (shown[k].unit.empty() ? "" : " " + std::string(shown[k].unit)));
    };
    std::vector<std::array<std::string, 3>> lines;
    std::array<std::size_t, 2> widths{};
    for (std::size_t i = 0; i < shown.size(); ++i) {
        std::array<std::string, 3> line{oneLine(std::string(shown[i].caption)), withUnit(i), ""};
        if (i + 1 < shown.size() && shown[i + 1].caption == shown[i].caption &&
            !shown[i].unit.empty())
            line[2] = withUnit(++i);
        for (std::size_t c = 0; c < widths.size(); ++c)
            widths[c] = std::max(widths[c], width(line[c]));
        lines.push_back(std::move(line));
    }
    for (const auto &line : lines) {
        std::string text =
            "    " + padded(line[0], widths[0] + 3) + padded(line[1], widths[1] + 3) + line[2];
        text.erase(text.find_last_not_of(' ') + 1);
        out << text << "\n";
    }
}

void printEntry(std::ostream &out, std::size_t number, const record::Entry &entry,
                const NumberFormat &format) {
    out << "\n"
        << words::columnCaption(words::Column::number) << " " << number << "   "
        << oneLine(entry.time) << "   " << entry.calculated.title() << "   "
        << words::unitSystemWord(entry.units).word << "\n";
    printFigures(out, entry, format);
    const std::pair<words::Column, std::string> notes[] = {
        {words::Column::context, entry.context},
        {words::Column::verdict, std::string(words::verdictWord(entry.verdict).word)},
        {words::Column::note, entry.note}};
    for (const auto &[column, text] : notes)
        if (!text.empty())
            out << "    " << words::columnCaption(column) << ": " << oneLine(text) << "\n";
    if (entry.differs)
        out << "    " << say(Message::figuresDiffer) << "\n";
}

int show(const record::Record &r, const RecordArgs &args, std::ostream &out, std::ostream &) {
    printHead(out, r, args.format);
    if (r.entries.empty())
        out << "\n" << say(Message::emptyRecord) << "\n";
    for (std::size_t i = 0; i < r.entries.size(); ++i)
        printEntry(out, i + 1, r.entries[i], args.format);
    return 0;
}

int csv(const record::Record &r, const RecordArgs &, std::ostream &out, std::ostream &) {
    out << record::recordCsv(r);
    return 0;
}

int check(const record::Record &r, const RecordArgs &, std::ostream &out, std::ostream &) {
    int status = 0;
    for (std::size_t i = 0; i < r.entries.size(); ++i)
        if (r.entries[i].differs) {
            out << say(Message::entryDiffers,
                       {std::to_string(i + 1), r.entries[i].calculated.title(),
                        say(Message::figuresDiffer)})
                << "\n";
            status = 1;
        }
    if (status == 0)
        out << say(Message::allAgree) << "\n";
    return status;
}

int pdf(const record::Record &, const RecordArgs &args, std::ostream &, std::ostream &err) {
    if (!*args.pdf) {
        err << "liftcalc: this program has no window module to draw a PDF with\n";
        return 1;
    }
    const auto failed = (*args.pdf)({args.file, args.output, args.paper, args.locale, args.format});
    if (failed) {
        err << "liftcalc: " << shownText(args.output) << ": " << *failed << "\n";
        return 1;
    }
    return 0;
}

// The record commands, in the order the help lists them.
struct RecordCommand {
    std::string_view name;
    std::string_view summary;
    int (*run)(const record::Record &, const RecordArgs &, std::ostream &, std::ostream &);
};
constexpr RecordCommand kCommands[] = {
    {"show", "the record and its entries as a table, in the regional format", show},
    {"csv", "the record as CSV, one row a figure", csv},
    {"check", "calculate every entry again: exit 0 when all agree, 1 naming those that differ",
     check},
    {"pdf",
     "the record to print and sign, with its file inside: --output OUT.pdf [--paper a4|letter] "
     "(Letter where the regional settings measure in US units, A4 elsewhere)",
     pdf},
};

std::string usage() {
    std::string names;
    for (const RecordCommand &command : kCommands)
        names += (names.empty() ? "" : "|") + std::string(command.name);
    return "liftcalc record " + names + " FILE [--locale NAME]";
}

int usageError(const std::string &message, std::ostream &err) {
    err << "liftcalc: " << message << "\nUsage: " << usage() << "\n";
    return 2;
}

} // namespace

int runRecord(std::span<const std::string> args, std::ostream &out, std::ostream &err,
              const NumberFormat &userFormat, const PdfWriter &pdfWriter) {
    if (!args.empty() && (args[0] == "--help" || args[0] == "-h")) {
        out << recordHelp();
        return 0;
    }
    const RecordCommand *command = nullptr;
    for (const RecordCommand &c : kCommands)
        if (!args.empty() && c.name == args[0])
            command = &c;
    if (!command)
        return usageError(args.empty() ? "record needs a command"
                                       : "record has no command '" + shownText(args[0]) + "'",
                          err);
    RecordArgs parsed{.file = {},
                      .format = userFormat,
                      .locale = {},
                      .output = {},
                      .paper = {},
                      .pdf = &pdfWriter};
    bool localeGiven = false;
    const bool drawsPdf = command->run == pdf;
    for (std::size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--locale" && !localeGiven && i + 1 < args.size()) {
            localeGiven = true;
            const auto named = numberFormatNamed(args[++i]);
            if (!named)
                return usageError("no locale is named '" + localeNameShown(args[i]) + "'", err);
            parsed.format = *named;
            parsed.locale = args[i];
        } else if (drawsPdf && args[i] == "--output" && parsed.output.empty() &&
                   i + 1 < args.size() && !args[i + 1].empty()) {
            parsed.output = args[++i];
        } else if (drawsPdf && args[i] == "--paper" && parsed.paper.empty() &&
                   i + 1 < args.size() && (args[i + 1] == "a4" || args[i + 1] == "letter")) {
            parsed.paper = args[++i];
        } else if (parsed.file.empty() && !args[i].empty() && !args[i].starts_with("--")) {
            parsed.file = args[i];
        } else {
            return usageError("record " + std::string(command->name) + " does not take '" +
                                  shownText(args[i]) + "'",
                              err);
        }
    }
    if (parsed.file.empty())
        return usageError("record " + std::string(command->name) + " needs a FILE", err);
    if (drawsPdf && parsed.output.empty())
        return usageError("record pdf needs --output OUT.pdf", err);
    const LoadedRecord loaded = loadRecord(parsed.file);
    if (!loaded.record) {
        err << "liftcalc: " << shownText(parsed.file) << ": " << loaded.message << "\n";
        return 2;
    }
    return command->run(*loaded.record, parsed, out, err);
}

int addToRecord(const Request &request, const FigureRow &figures, const NumberFormat &format,
                std::ostream &err) {
    const std::string &path = *request.record;
    LoadedRecord loaded = loadRecord(path);
    const std::string now = localTimeNow();
    const std::string program = "liftcalc " LIFTCALC_VERSION;
    if (loaded.missing)
        loaded.record = record::newRecord(randomUuid(), now, localDate(), program);
    if (!loaded.record) {
        err << "liftcalc: " << shownText(path) << ": " << loaded.message << "\n";
        return 1;
    }
    record::Record &r = *loaded.record;
    const UnitSystem units = unitsOf(request.imperial);
    record::Entry entry =
        request.check ? record::entryOf(*request.check, units, figures.texts, format, now)
                      : record::entryOf(*request.command, units, figures.texts, format, now);
    if (!record::addEntry(r, std::move(entry))) {
        err << "liftcalc: " << shownText(path) << ": " << say(Message::tooManyEntries) << "\n";
        return 1;
    }
    r.modified = now;
    r.program = program;
    if (const auto failed = saveAtomically(path, record::recordJson(r))) {
        err << "liftcalc: " << say(Message::cannotSave, {path, *failed}) << "\n";
        return 1;
    }
    return 0;
}

std::string recordHelp() {
    std::string text = "Test record:\n  Any single calculation or check with --record FILE adds "
                       "its figures to the\n  test record FILE (a .liftrec file, made when "
                       "missing); a range cannot be added.\n  Usage: " +
                       usage() + "\n";
    std::vector<std::string_view> names;
    for (const RecordCommand &command : kCommands)
        names.push_back(command.name);
    const std::size_t column = 4 + paddedToLongest("", names).size();
    for (const RecordCommand &command : kCommands)
        text += "    " + paddedToLongest(command.name, names) +
                wrapped(command.summary, kLineWidth - column, column);
    return text;
}

} // namespace liftcalc::cli
