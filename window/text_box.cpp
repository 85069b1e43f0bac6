// SPDX-License-Identifier: MIT
#include "window/text_box.h"

#include "calculators/utf8_text.h"

#include <algorithm>

namespace liftcalc {

TextEdit typedText(std::string_view typed, int caretAt) {
    TextEdit edit{validUtf8(typed), 0};
    edit.caret = std::clamp(caretAt, 0, utf16Length(edit.text));
    return edit;
}

TextSelection selectionWithin(std::string_view text, int start, int length) {
    const int size = utf16Length(text);
    start = std::clamp(start, 0, size);
    return {start, std::clamp(length, 0, size - start)};
}

TextSelection wholeText(std::string_view text) {
    return {0, utf16Length(text)};
}

bool setSelection(Field &field, TextSelection selection) {
    if (selectionOf(field) == selection)
        return false;
    field.SelStart = selection.start;
    field.SelLength = selection.length;
    return true;
}

} // namespace liftcalc
