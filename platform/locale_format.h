// SPDX-License-Identifier: MIT
// Regional number settings from a locale, for the front ends (the core takes them as a value).
#pragma once

#include "calculators/numeric.h"

#include <QLocale>
#include <optional>
#include <string>
#include <string_view>

namespace liftcalc {

// The settings of a locale; a C or POSIX locale counts as English (United States).
NumberFormat numberFormatOf(const QLocale &locale);

// The settings of a locale named as the environment names it: a language, optionally a script
// and a territory, a codeset and a modifier (de_DE, sr_Latn_RS, de_DE.UTF-8, ca_ES@valencia),
// or C and POSIX. Nothing for a name no locale has: a misspelling (DE_de), a territory the
// language is not spoken in by name (en_ZZ), any other character (de_DE;x).
std::optional<NumberFormat> numberFormatNamed(std::string_view name);

// A locale name as a message quotes it: at most a few dozen characters, each printable.
std::string localeNameShown(std::string_view name);

} // namespace liftcalc
