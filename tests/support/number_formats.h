// SPDX-License-Identifier: MIT
// The regional number settings the tests and fuzz targets run under, pinned here rather than
// taken from the machine that runs them: the one table of them.
#pragma once

#include "calculators/numeric.h"

#include <array>
#include <string_view>

namespace liftcalc::testing {

inline const NumberFormat kEnglish{".", ",", "-"};
inline const NumberFormat kGerman{",", ".", "-"};
inline const NumberFormat kFrench{",", "\u202F", "-"}; // narrow no-break space groups
inline const NumberFormat kSwiss{".", "\u2019", "-"};  // typographic apostrophe groups
inline const NumberFormat kSwissAscii{".", "'", "-"};  // as a browser writes Swiss German
inline const NumberFormat kTypographicMinus{",", "\u00A0", "\u2212"}; // no-break space, U+2212

struct NamedFormat {
    std::string_view name;
    // The locale whose settings these are on the desktop, where one has them.
    std::string_view locale;
    const NumberFormat *format;
};

inline const std::array<NamedFormat, 6> kAllFormats{{
    {"English", "en_US", &kEnglish},
    {"German", "de_DE", &kGerman},
    {"French", "fr_FR", &kFrench},
    {"Swiss", "de_CH", &kSwiss},
    {"SwissAscii", "", &kSwissAscii},
    {"TypographicMinus", "sv_SE", &kTypographicMinus},
}};

} // namespace liftcalc::testing
