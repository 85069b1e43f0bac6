// SPDX-License-Identifier: MIT
// The words the record's printed pages add to those of the window: the signature blocks and
// each page's foot. Kept with the record's other words, so that one catalogue gives them all.
#pragma once

#include <string_view>

namespace liftcalc::record::words {

// Under each of "Tested by" and "Witnessed by", a line to fill in by hand for each.
inline constexpr std::string_view kSignatureLines[] = {"Name", "Date", "Signature"};
// The foot: %1 is the page's number, %2 the number of pages.
inline constexpr std::string_view kPageOf = "Page %1 of %2";
// The foot: %1 is the date the pages were made.
inline constexpr std::string_view kPrinted = "Printed %1";

} // namespace liftcalc::record::words
