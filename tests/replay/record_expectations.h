// SPDX-License-Identifier: MIT
// A scenario's expectations of the test record window:
//   expect record open / expect record closed
//   expect record entries 2          how many entries it holds
//   expect record current 1|none     the current entry, as the list numbers it
//   expect record state fresh|changed|saved
//   expect record file /visit.liftrec   the file it was last saved to ("" for none)
//   expect record focus device_id    as the dump names it
//   expect record field NAME TEXT    a form field's exact text (quoted as for text)
//   expect record unit NAME WORD     a figure's unit, "kg"
//   expect record cell N COLUMN TEXT an entry's cell (n, time, calculation, units, figures,
//                                    context, verdict, note), exact
//   expect record written NAME       the driver holds a file NAME
#pragma once

#include "replay/replay.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace liftcalc::testing {

// Why the expectation WHAT (its words in W, after "record") is not met; empty when it is.
// LITERAL unquotes a text as the other expectations do.
std::string recordExpectationFailure(const Replay &replay, std::string_view what,
                                     const std::vector<std::string> &w,
                                     const std::function<std::string(std::string_view)> &literal);

} // namespace liftcalc::testing
