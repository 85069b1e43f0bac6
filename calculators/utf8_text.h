// SPDX-License-Identifier: MIT
// A field's text as a desktop text box holds it: well-formed UTF-8, measured in the UTF-16 code
// units that selections count.
#pragma once

#include <string>
#include <string_view>

namespace liftcalc {

// The number of UTF-16 code units in UTF-8 text: the length a desktop text box reports.
int utf16Length(std::string_view utf8);

// The text with every ill-formed UTF-8 sequence replaced by U+FFFD, as a text box shows it.
std::string validUtf8(std::string_view bytes);

} // namespace liftcalc
