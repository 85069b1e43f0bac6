// SPDX-License-Identifier: MIT
// The command line run in the test's own process, in English number settings unless a test
// asks for a locale with --locale: its exit status and what it printed on each stream.
#pragma once

#include "cli/cli.h"

#include <sstream>
#include <string>
#include <vector>

namespace liftcalc::cli {

struct Result {
    int status;
    std::string out;
    std::string err;
};

inline Result runCommand(const std::vector<std::string> &args) {
    std::ostringstream out, err;
    const int status = run(args, out, err, NumberFormat::english());
    return {status, out.str(), err.str()};
}

} // namespace liftcalc::cli
