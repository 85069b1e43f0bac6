// SPDX-License-Identifier: MIT
#include "cli/output.h"

#include "replay/state_json.h"

#include <algorithm>
#include <ostream>

namespace liftcalc::cli {
namespace {

// Width on a terminal: one column a character (grouping may be a no-break space).
std::size_t width(std::string_view utf8) {
    return std::count_if(utf8.begin(), utf8.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

std::string padded(std::string_view text, std::size_t to) {
    return std::string(text) + std::string(to > width(text) ? to - width(text) : 0, ' ');
}

void printAligned(std::ostream &out, const std::vector<std::vector<std::string>> &table) {
    std::vector<std::size_t> widths;
    for (const auto &row : table)
        for (std::size_t i = 0; i < row.size(); ++i) {
            widths.resize(std::max(widths.size(), row.size()));
            widths[i] = std::max(widths[i], width(row[i]));
        }
    for (const auto &row : table) {
        std::string line;
        for (std::size_t i = 0; i < row.size(); ++i)
            line += i + 1 < row.size() ? padded(row[i], widths[i] + 3) : row[i];
        line.erase(line.find_last_not_of(' ') + 1);
        out << line << '\n';
    }
}

std::string withUnit(const Figure &f) {
    return f.unit.empty() ? f.text : f.text + " " + f.unit;
}

std::string jsonObject(const std::vector<Figure> &figures) {
    std::string out = "{";
    for (std::size_t i = 0; i < figures.size(); ++i)
        out += (i ? "," : "") + jsonString(figures[i].column) + ":" + jsonString(figures[i].text);
    return out + "}";
}

std::string csvField(const std::string &text) {
    if (text.find_first_of(",\"\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + "\"";
}

std::string header(const Request &request) {
    return std::string(request.command->title) + ", from " +
           (request.imperial ? "imperial" : "metric") + " inputs";
}

std::string jsonHead(const Request &request) {
    return "{\"calculator\":" + jsonString(request.command->name) +
           ",\"units\":" + jsonString(request.imperial ? "imperial" : "metric");
}

} // namespace

void printFigures(std::ostream &out, const Request &request, const std::vector<Figure> &figures) {
    if (request.output == OutputForm::Json) {
        out << jsonHead(request) << ",\"figures\":" << jsonObject(figures) << "}\n";
        return;
    }
    if (request.output == OutputForm::Csv) {
        printRows(out, request, {figures});
        return;
    }
    // The imperial and the metric figure of a quantity stand next to each other.
    std::vector<std::vector<std::string>> table{{header(request)}, {"", "Imperial", "Metric"}};
    for (std::size_t i = 0; i < figures.size(); ++i) {
        std::vector<std::string> row{figures[i].label, withUnit(figures[i])};
        if (i + 1 < figures.size() && figures[i + 1].label == figures[i].label)
            row.push_back(withUnit(figures[++i]));
        table.push_back(std::move(row));
    }
    table[0].resize(1);
    out << table[0][0] << "\n\n";
    table.erase(table.begin());
    printAligned(out, table);
}

void printRows(std::ostream &out, const Request &request,
               const std::vector<std::vector<Figure>> &rows) {
    if (request.output == OutputForm::Json) {
        out << jsonHead(request) << ",\"rows\":[";
        for (std::size_t i = 0; i < rows.size(); ++i)
            out << (i ? "," : "") << jsonObject(rows[i]);
        out << "]}\n";
        return;
    }
    if (rows.empty())
        return;
    // The total displacement appears only in rows with several plungers.
    const auto widest = std::max_element(rows.begin(), rows.end(),
                                         [](auto &a, auto &b) { return a.size() < b.size(); });
    std::vector<std::vector<std::string>> table(1);
    for (const Figure &f : *widest)
        table[0].push_back(f.column);
    for (const auto &row : rows) {
        table.emplace_back(table[0].size());
        for (std::size_t i = 0; i < row.size(); ++i)
            table.back()[i] = row[i].text;
    }
    if (request.output == OutputForm::Csv) {
        for (const auto &row : table) {
            for (std::size_t i = 0; i < row.size(); ++i)
                out << (i ? "," : "") << csvField(row[i]);
            out << '\n';
        }
        return;
    }
    printAligned(out, table);
}

} // namespace liftcalc::cli
