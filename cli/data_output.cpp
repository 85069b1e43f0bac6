// SPDX-License-Identifier: MIT
#include "cli/data_output.h"

#include "cli/refusal.h"
#include "replay/state_json.h"

#include <charconv>
#include <ostream>

namespace liftcalc::cli {
namespace {

// The shortest text that reads back as the same double, with a point and no grouping.
std::string numberText(std::optional<double> value, std::string_view none) {
    if (!value)
        return std::string(none);
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, *value).ptr);
}

// Quoted when it holds a separator, a quote or a line break, with quotes doubled.
std::string csvField(const std::string &text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

// The header names each column; records end in CR LF.
std::string csvHeader(const FigureRow &figures) {
    std::string line;
    for (const Column &c : figures.columns)
        line += c.key + ',';
    return line + "refused\r\n";
}

std::string jsonHead(const Request &request) {
    return "{\"calculator\":" + jsonString(request.command->command) +
           ",\"units\":" + jsonString(request.imperial ? "imperial" : "metric");
}

} // namespace

const std::string &DataWriter::numberOf(std::size_t column, const std::string &text,
                                        std::string_view none) {
    if (lastRead_.size() <= column)
        lastRead_.resize(column + 1, {"", std::string(none)});
    auto &[lastText, number] = lastRead_[column];
    if (text != lastText)
        lastText = text, number = numberText(strictValue(text, format_), none);
    return number;
}

// The keys are the command line's own names, which need no escaping.
void DataWriter::appendJsonRow(const FigureRow &figures) {
    line_ += '{';
    for (std::size_t i = 0; i < figures.texts.size(); ++i) {
        line_ += '"';
        line_ += figures.columns[i].key;
        line_ += "\":";
        line_ += numberOf(i, figures.texts[i], "null");
        line_ += ',';
    }
    line_ += "\"refused\":";
    line_ += figures.refused() ? jsonString(joinedReasons(figures.refusal)) : "null";
    line_ += '}';
}

void DataWriter::appendCsvRow(const FigureRow &figures) {
    for (std::size_t i = 0; i < figures.texts.size(); ++i) {
        line_ += numberOf(i, figures.texts[i], "");
        line_ += ',';
    }
    if (figures.refused())
        line_ += csvField(joinedReasons(figures.refusal));
    line_ += "\r\n";
}

// Each row goes out in one write.
void DataWriter::row(const FigureRow &figures) {
    const bool first = !begun_;
    begun_ = true;
    line_.clear();
    if (request_.output == OutputForm::Csv) {
        if (first)
            line_ += csvHeader(figures);
        appendCsvRow(figures);
    } else {
        line_ += first ? jsonHead(request_) + ",\"rows\":[\n" : ",\n";
        appendJsonRow(figures);
    }
    out_ << line_;
}

void DataWriter::finish() {
    if (begun_ && request_.output == OutputForm::Json)
        out_ << "\n]}\n";
}

void DataWriter::single(const FigureRow &figures) {
    line_.clear();
    if (request_.output == OutputForm::Csv) {
        line_ += csvHeader(figures);
        appendCsvRow(figures);
    } else {
        line_ += jsonHead(request_) + ",\"figures\":";
        appendJsonRow(figures);
        line_ += "}\n";
    }
    out_ << line_;
}

} // namespace liftcalc::cli
