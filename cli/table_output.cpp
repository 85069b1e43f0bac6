// SPDX-License-Identifier: MIT
#include "cli/table_output.h"

#include "cli/refusal.h"

#include <algorithm>
#include <iterator>
#include <ostream>

namespace liftcalc::cli {
namespace {

constexpr std::size_t kGap = 3;

// Width on a terminal: one column a character (grouping may be a no-break space).
std::size_t width(std::string_view utf8) {
    return std::count_if(utf8.begin(), utf8.end(),
                         [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; });
}

// Each cell starts where its column does; a cell wider than its column pushes only the next
// one, which then starts a space after it.
std::string line(const std::vector<std::string> &cells, const std::vector<std::size_t> &widths) {
    std::string text;
    std::size_t at = 0, columnStart = 0;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            const std::size_t gap = columnStart > at ? columnStart - at : 1;
            text.append(gap, ' ');
            at += gap;
        }
        text += cells[i];
        at += width(cells[i]);
        columnStart += widths[i] + kGap;
    }
    text.erase(text.find_last_not_of(' ') + 1);
    return text;
}

// A row stays on one line: a typed tab or line break (which the reading skips) shows as a space.
std::string cellText(std::string text) {
    std::replace_if(
        text.begin(), text.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '\x7F'; }, ' ');
    return text;
}

std::string withUnit(const std::string &text, const Column &c) {
    return cellText(c.unit.empty() ? text : text + " " + std::string(c.unit));
}

} // namespace

void printFigures(std::ostream &out, const Request &request, const FigureRow &figures) {
    // The imperial and the metric figure of a quantity stand next to each other; the total
    // displacement has a row only when there is one.
    std::vector<std::vector<std::string>> table{{"", "Imperial", "Metric"}};
    const auto &texts = figures.texts;
    const auto &columns = figures.columns;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (texts[i].empty())
            continue;
        std::vector<std::string> row{std::string(columns[i].label), withUnit(texts[i], columns[i])};
        if (i + 1 < texts.size() && columns[i + 1].label == columns[i].label)
            ++i, row.push_back(withUnit(texts[i], columns[i]));
        table.push_back(std::move(row));
    }
    std::vector<std::size_t> widths(3);
    for (const auto &row : table)
        for (std::size_t i = 0; i < row.size(); ++i)
            widths[i] = std::max(widths[i], width(row[i]));
    out << request.title() << ", from " << (request.imperial ? "imperial" : "metric")
        << " inputs\n\n";
    for (const auto &row : table)
        out << line(row, widths) << '\n';
}

std::vector<std::string> SweepTable::cells(const FigureRow &figures) const {
    std::vector<std::string> cells;
    for (const std::string &text : figures.texts)
        cells.push_back(cellText(text));
    if (figures.refused())
        cells.push_back(joinedReasons(figures.refusal));
    return cells;
}

void SweepTable::measure(const FigureRow &figures) {
    if (columns_.empty()) {
        for (const Column &c : figures.columns)
            columns_.push_back(c.key);
        columns_.push_back("refused");
        std::transform(columns_.begin(), columns_.end(), std::back_inserter(widths_),
                       [](const std::string &name) { return width(name); });
    }
    anyRefused_ = anyRefused_ || figures.refused();
    const auto texts = cells(figures);
    for (std::size_t i = 0; i < texts.size() && i < widths_.size(); ++i)
        widths_[i] = std::max(widths_[i], width(texts[i]));
}

void SweepTable::header(std::ostream &out) const {
    // The reason column is there only when some row needs it.
    auto names = columns_;
    if (!anyRefused_ && !names.empty())
        names.pop_back();
    out << line(names, widths_) << '\n';
}

void SweepTable::row(std::ostream &out, const FigureRow &figures) const {
    out << line(cells(figures), widths_) << '\n';
}

} // namespace liftcalc::cli
