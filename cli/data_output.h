// SPDX-License-Identifier: MIT
// JSON and CSV for scripts and spreadsheets: every figure as a number, the same in any locale,
// with its unit in the key or the header; a refused calculation keeps its row, with the reason.
#pragma once

#include "cli/calculate.h"
#include "cli/request.h"

#include <iosfwd>

namespace liftcalc::cli {

// Writes the rows of a sweep as they come: a CSV header and a line a row, or one JSON document
// whose "rows" array grows a row at a time.
class DataWriter {
public:
    DataWriter(std::ostream &out, const Request &request) : out_(out), request_(request) {}

    void row(const Outcome &outcome);
    // Closes the JSON document.
    void finish();

    // One calculation: a JSON document with its "figures", or a header and one CSV row.
    static void single(std::ostream &out, const Request &request, const Outcome &outcome);

private:
    void begin(const Outcome &columns);

    std::ostream &out_;
    const Request &request_;
    bool begun_ = false;
};

} // namespace liftcalc::cli
