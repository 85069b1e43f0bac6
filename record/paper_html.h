// SPDX-License-Identifier: MIT
// The record's pages as HTML, the one description of the paper that every face prints: the
// desktop's PDF lays it out with Qt's rich text, the page prints it with the browser. Only
// what both understand is used (tables with widths in per cent, paragraphs, bold, line breaks),
// every text the person typed escaped, its line breaks kept. Each page's foot is the face's own
// to draw, in the words of paper_words.h.
#pragma once

#include "calculators/numeric.h"
#include "record/record.h"

#include <string>
#include <string_view>

namespace liftcalc::record {

std::string paperHtml(const Record &record, const NumberFormat &format);

// A text as HTML: the markup characters escaped, each line break a <br>, any other control
// character a blank and a byte that is not UTF-8 the replacement character.
std::string htmlEscaped(std::string_view text);

} // namespace liftcalc::record
