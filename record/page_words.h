// SPDX-License-Identifier: MIT
// The words the record's panel on the web page adds to those of the window: where the browser
// keeps no copy of the open record, and what a browser offers besides files.
#pragma once

#include <string_view>

namespace liftcalc::record::words {

// Shown in the panel while the browser refuses to keep the open record (storage refused or
// full, or a page opened from a file with no lasting storage), beside the download.
inline constexpr std::string_view kNotKept =
    "This browser does not keep the record: a reload or a closed tab would lose it. Download "
    "it to keep it.";
inline constexpr std::string_view kDownload = "Do&wnload";
// Hands the record's CSV to another app, where the browser offers that.
inline constexpr std::string_view kShareCsv = "S&hare CSV...";

} // namespace liftcalc::record::words
