// SPDX-License-Identifier: MIT
// Regional number settings from a locale, for the front ends (the core takes them as a value).
#pragma once

#include "calculators/numeric.h"

#include <QLocale>
#include <optional>
#include <string_view>

namespace liftcalc {

// The settings of a locale; a C or POSIX locale counts as English (United States).
NumberFormat numberFormatOf(const QLocale &locale);

// The settings of a locale named like "de_DE" or "fr_FR"; nothing for a name no locale has.
std::optional<NumberFormat> numberFormatNamed(std::string_view name);

} // namespace liftcalc
