// SPDX-License-Identifier: MIT
// Numbers as the calculator reads and writes them.
//
// Every figure the window shows goes through these functions: the two ways of reading a field
// (lenient, for the "is it above zero" tests; strict, for the figures themselves), the plain
// number text used for answers, and the three-decimal form used for equivalents. They are pure:
// the regional settings are passed in, never taken from the process.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace liftcalc {

// The user's regional number settings. Each is UTF-8 text, usually one character
// (a no-break space or a typographic minus are several bytes).
struct NumberFormat {
    std::string decimal = ".";
    std::string group = ",";
    std::string minus = "-";

    static NumberFormat english() { return {}; }
    bool operator==(const NumberFormat &) const = default;
};

// Reads the longest leading number and never fails: blanks (space, tab, line feed) are ignored
// wherever they stand, an optional sign, digits, an optional fraction (after the point or the
// regional decimal separator) and an optional exponent are read as far as they go; &H and &O read
// a hexadecimal or octal whole number. No digit read gives 0. "1,500" in English reads as 1,
// "500 psi" as 500. A number too large for a double reads as an infinity of its sign.
double lenientValue(std::string_view text, const NumberFormat &format);

// Reads the whole text as one number in the regional format, or nothing: leading and trailing
// blanks are ignored; an optional sign; the whole part as plain digits ("1500", "007") or grouped
// in threes after a first group of one to three digits that does not start with 0 ("1,500",
// "12,345,678"); an optional decimal separator with digits; an optional exponent. Refuses empty
// text, any other character, a grouping separator anywhere else ("5,5", "0,508") and magnitudes
// beyond the double range. Where the regional separator is a space or an apostrophe, each of its
// look-alikes groups too, mixed as they come: a plain, no-break, narrow no-break or thin space;
// an ASCII, typographic (U+2019) or modifier-letter (U+02BC) apostrophe.
std::optional<double> strictValue(std::string_view text, const NumberFormat &format);

// Plain number text: at most 15 significant digits, no grouping, no trailing zeros, exponent
// form (1E+15, 1.5E+20) from 10 to the 15th up. A whole number has no decimal part.
std::string plainText(double value, const NumberFormat &format);

// Three-decimal answer text with grouping (9,817.469; 0.250). The value is first taken to its
// 15-significant-digit decimal form, which is then rounded half away from zero, so a tie is
// judged as a person reads the number. A value that rounds to zero has no sign.
std::string answerText(double value, const NumberFormat &format);

// Rounds to three decimals by writing the answer text and reading it back, as the calculators do.
// Nothing when the rounded text is beyond the double range (a value just below the largest).
std::optional<double> roundToThousandths(double value, const NumberFormat &format);

} // namespace liftcalc
