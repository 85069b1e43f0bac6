// SPDX-License-Identifier: MIT
#include "cli/data_output.h"

#include "cli/refusal.h"
#include "json/json_writer.h"

#include <ostream>

namespace liftcalc::cli {
namespace {

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

// Opens the document and names what was calculated, a calculator or a check; the caller goes on
// with its rows.
json::Writer &jsonHead(json::Writer &json, const Request &request) {
    return json.open('{')
        .member(request.check ? "check" : "calculator", request.name())
        .member("units", request.imperial ? "imperial" : "metric");
}

} // namespace

const std::string &DataWriter::numberOf(std::size_t column, const std::string &text,
                                        std::string_view none) {
    if (lastRead_.size() <= column)
        lastRead_.resize(column + 1, {"", std::string(none)});
    auto &[lastText, number] = lastRead_[column];
    if (text != lastText) {
        const auto value = strictValue(text, format_);
        lastText = text;
        number = value ? json::numberText(*value) : std::string(none);
    }
    return number;
}

void DataWriter::appendJsonRow(json::Writer &json, const FigureRow &figures) {
    json.open('{');
    for (std::size_t i = 0; i < figures.texts.size(); ++i)
        json.key(figures.columns[i].key).raw(numberOf(i, figures.texts[i], "null"));
    json.key("refused");
    if (figures.refused())
        json.value(joinedReasons(figures.refusal));
    else
        json.null();
    json.close('}');
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
        if (first) {
            json::Writer head(line_);
            jsonHead(head, request_).key("rows").open('[');
        }
        line_ += first ? "\n" : ",\n";
        json::Writer row(line_);
        appendJsonRow(row, figures);
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
        json::Writer json(line_);
        appendJsonRow(jsonHead(json, request_).key("figures"), figures);
        json.close('}');
        line_ += '\n';
    }
    out_ << line_;
}

} // namespace liftcalc::cli
