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
    const auto end = std::to_chars(text, text + sizeof text, *value).ptr;
    return std::string(text, end);
}

std::string jsonRow(const Outcome &outcome) {
    std::string out = "{";
    for (const Figure &f : outcome.figures)
        out += jsonString(f.column) + ":" + numberText(f.value, "null") + ",";
    return out + "\"refused\":" +
           (outcome.refused() ? jsonString(joinedReasons(outcome.refusal)) : "null") + "}";
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

// Records end in CR LF.
void csvHeader(std::ostream &out, const Outcome &columns) {
    for (const Figure &f : columns.figures)
        out << f.column << ',';
    out << "refused\r\n";
}

void csvRow(std::ostream &out, const Outcome &outcome) {
    for (const Figure &f : outcome.figures)
        out << numberText(f.value, "") << ',';
    out << csvField(joinedReasons(outcome.refusal)) << "\r\n";
}

std::string jsonHead(const Request &request) {
    return "{\"calculator\":" + jsonString(request.command->name) +
           ",\"units\":" + jsonString(request.imperial ? "imperial" : "metric");
}

} // namespace

void DataWriter::begin(const Outcome &columns) {
    begun_ = true;
    if (request_.output == OutputForm::Csv)
        csvHeader(out_, columns);
    else
        out_ << jsonHead(request_) << ",\"rows\":[";
}

void DataWriter::row(const Outcome &outcome) {
    const bool first = !begun_;
    if (first)
        begin(outcome);
    if (request_.output == OutputForm::Csv)
        csvRow(out_, outcome);
    else
        out_ << (first ? "\n" : ",\n") << jsonRow(outcome);
}

void DataWriter::finish() {
    if (begun_ && request_.output == OutputForm::Json)
        out_ << "\n]}\n";
}

void DataWriter::single(std::ostream &out, const Request &request, const Outcome &outcome) {
    if (request.output == OutputForm::Csv) {
        csvHeader(out, outcome);
        csvRow(out, outcome);
    } else {
        out << jsonHead(request) << ",\"figures\":" << jsonRow(outcome) << "}\n";
    }
}

} // namespace liftcalc::cli
