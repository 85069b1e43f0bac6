// SPDX-License-Identifier: MIT
// The entry a window adds to the test record: the calculation it shows, when it was calculated
// and not refused; otherwise what the person is told instead. Both windows judge alike: the
// figures they show must be those a new calculation gives from the inputs they show.
#pragma once

#include "calculators/calculator.h"
#include "record/record.h"
#include "window/checks_window.h"

#include <string>
#include <string_view>
#include <variant>

namespace liftcalc {

// A text as the record holds it: well-formed UTF-8 and no longer than a record's text may be,
// so that the file the window writes is one it can read again.
std::string recordText(std::string_view typed);

// The entry, or the message's prompt; its time is stamped when it is added.
using ShownEntry = std::variant<record::Entry, std::string>;

ShownEntry shownEntry(const Calculator &calculator, UnitSystem units, const FieldTexts &texts,
                      const NumberFormat &format);
ShownEntry shownEntry(const ChecksWindow &window);

// The figures of an entry as one cell of the record's list: each caption with its figures, an
// imperial one and its metric equivalent together, after the mark of figures that differ from
// a new calculation.
std::string figuresCell(const record::Entry &entry, const NumberFormat &format);

} // namespace liftcalc
