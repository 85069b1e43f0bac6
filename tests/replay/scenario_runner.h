// SPDX-License-Identifier: MIT
// Runs a scenario file: replay actions, each followed where it matters by `expect` lines that
// are checked against the state of the window the replay driver drives, read from the window
// model itself rather than from the driver's dump.
//
//   # comment
//   locale de_DE                  regional settings; before the first action (default en_US)
//   type 0 10                     any line of the replay protocol
//   expect text 3 254.648         the rest of the line is the exact text; in double quotes
//                                 when it has blanks at its edges ("" is the empty text)
//   expect empty 3 8              these fields hold no text
//   expect open 0 1 2             unlocked, a tab stop, white
//   expect locked 3 6 7 8         locked, not a tab stop, yellow
//   expect hidden 4 5 / expect visible 0 1
//   expect focus Text1(2)         or cmdCalculate, optMetric, none
//   expect selection 0 0 2        field, SelStart, SelLength
//   expect left 1 6540
//   expect heading Static Pressure Calculator
//   expect tooltip TEXT           the displacement tooltip, exact (quoted as for text)
//   expect message "Title" "Prompt"   the next message box not yet expected (\r \n \" \\);
//                                 with the title alone, any prompt
//   expect no message             no box shown that has not been expected
//   expect checked mnuMetric mnuLoad / expect unchecked mnuImperial
//   expect mode imperial|metric   the ImperialMode flag
//   expect option optImperial selected red bold   (unselected, black, plain)
//   expect loaded false / expect formLoaded true
//   expect format "," "." "-"     decimal, group and minus in force
//   expect error                  the action line just before was refused with an error line
//   expect checks ... / expect record ...   the other windows (record_expectations.h)
//
// Any message box left unexpected at the end, or an error line not expected, fails the file.
#pragma once

#include <filesystem>

namespace liftcalc::testing {

// Reports every failed expectation through GoogleTest, at the scenario file's own line.
void runScenario(const std::filesystem::path &file);

} // namespace liftcalc::testing
