// SPDX-License-Identifier: MIT
// The pieces both windows share: the tab walk over a tab order, and a text box's edit and
// selection counted in UTF-16 code units.
#include "window/tab_order.h"
#include "window/text_box.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <span>
#include <string>

namespace liftcalc {
namespace {

// Tab goes round the order to the next stop that takes the focus; from nowhere or from outside
// the order it starts at the first stop (Shift+Tab at the last); none when no stop takes it.
TEST(TabOrder, WalksRoundSkippingStopsThatRefuse) {
    constexpr std::array order{1, 2, 3, 4};
    const auto all = [](int) { return true; };
    const auto notThree = [](int stop) { return stop != 3; };
    struct Case {
        std::optional<int> from;
        bool backwards;
        bool skipThree;
        std::optional<int> next;
    };
    const Case cases[] = {
        {1, false, false, 2},
        {4, false, false, 1},
        {1, true, false, 4},
        {2, false, true, 4},
        {4, true, true, 2},
        {std::nullopt, false, false, 1},
        {std::nullopt, true, false, 4},
        {9, false, false, 1},
        {9, true, true, 4},
    };
    for (const auto &[from, backwards, skipThree, next] : cases) {
        const auto found = skipThree
                               ? nextTabStop(std::span<const int>(order), from, backwards, notThree)
                               : nextTabStop(std::span<const int>(order), from, backwards, all);
        EXPECT_EQ(found, next) << from.value_or(-1) << (backwards ? " back" : "");
    }
    EXPECT_EQ(nextTabStop(std::span<const int>(order), std::optional(1), false,
                          [](int) { return false; }),
              std::nullopt);
}

// An edit keeps well-formed UTF-8 and its caret within the text; a selection stays within the
// text; a whole-text selection counts UTF-16 code units (a character beyond the basic plane is
// two).
TEST(TextBox, EditAndSelectionStayWithinTheText) {
    const std::string text = "1\xC3\xA9\xF0\x9F\x98\x80"; // "1é😀": 4 code units
    EXPECT_EQ(wholeText(text), (TextSelection{0, 4}));
    struct Case {
        int start, length;
        TextSelection kept;
    };
    const Case cases[] = {{0, 2, {0, 2}}, {3, 9, {3, 1}},  {-5, 2, {0, 2}},
                          {9, 1, {4, 0}}, {2, -1, {2, 0}}, {1, 3, {1, 3}}};
    for (const auto &[start, length, kept] : cases)
        EXPECT_EQ(selectionWithin(text, start, length), kept) << start << ',' << length;

    const TextEdit edit = typedText("7\xFF", 99);
    EXPECT_EQ(edit.text, "7\xEF\xBF\xBD"); // the broken byte shown as U+FFFD
    EXPECT_EQ(edit.caret, 2);
    EXPECT_EQ(typedText("12", -3).caret, 0);

    Field field;
    EXPECT_TRUE(setSelection(field, {1, 2}));
    EXPECT_FALSE(setSelection(field, {1, 2}));
    EXPECT_EQ(selectionOf(field), (TextSelection{1, 2}));
}

} // namespace
} // namespace liftcalc
