// SPDX-License-Identifier: MIT
#include "calculators/utf8_text.h"

#include <gtest/gtest.h>

namespace liftcalc::testing {
namespace {

// Lengths and selections count UTF-16 code units, as a desktop text box does; ill-formed UTF-8
// is shown as replacement characters.
TEST(TextLength, CountsUtf16CodeUnits) {
    EXPECT_EQ(utf16Length(""), 0);
    EXPECT_EQ(utf16Length("254.648"), 7);
    EXPECT_EQ(utf16Length("9\u202F817,469"), 9);
    EXPECT_EQ(utf16Length("a\U0001D7D9b"), 4);
    EXPECT_EQ(validUtf8("12\xff"
                        "3"),
              "12\uFFFD3");
    EXPECT_EQ(validUtf8("\xc3"), "\uFFFD");
    EXPECT_EQ(validUtf8("\xed\xa0\x80"), "\uFFFD\uFFFD\uFFFD"); // a lone surrogate
    EXPECT_EQ(validUtf8("\u00e9\U0001D7D9"), "\u00e9\U0001D7D9");
}

} // namespace
} // namespace liftcalc::testing
