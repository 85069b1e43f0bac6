// SPDX-License-Identifier: MIT
// JSON and CSV for scripts and spreadsheets: every figure as a number, the same in any locale,
// with its unit in the key or the header; a refused calculation keeps its row, with the reason.
#pragma once

#include "cli/calculate.h"
#include "cli/request.h"

#include <iosfwd>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace liftcalc::json {
class Writer;
}

namespace liftcalc::cli {

// Writes the rows of a sweep as they come: a CSV header and a line a row, or one JSON document
// whose "rows" array grows a row at a time.
class DataWriter {
public:
    // The figures are read back in the regional format the calculation wrote them in.
    DataWriter(std::ostream &out, const Request &request, const NumberFormat &format)
        : out_(out), request_(request), format_(format) {}

    void row(const FigureRow &figures);
    // Closes the JSON document.
    void finish();

    // One calculation: a JSON document with its "figures", or a header and one CSV row.
    void single(const FigureRow &figures);

private:
    void appendJsonRow(json::Writer &json, const FigureRow &figures);
    void appendCsvRow(const FigureRow &figures);
    // The column's figure written as a number, or NONE where it has none.
    const std::string &numberOf(std::size_t column, const std::string &text, std::string_view none);

    std::ostream &out_;
    const Request &request_;
    const NumberFormat &format_;
    bool begun_ = false;
    std::string line_; // the row being written
    // The last text read in each column and the number written for it: in a sweep most
    // columns repeat the row before.
    std::vector<std::pair<std::string, std::string>> lastRead_;
};

} // namespace liftcalc::cli
