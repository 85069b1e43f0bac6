// SPDX-License-Identifier: MIT
// A text box as every window's model holds it, and what a person's edit and selection do to
// its text and selection. Each window calls these pieces in its own order and reports its own
// changes; only the counting (UTF-16 code units, as a desktop text box counts) is shared.
#pragma once

#include "window/colours.h"

#include <string>
#include <string_view>
#include <utility>

namespace liftcalc {

// The property names are the calculator window's published ones; the field checks window's
// fields are the same boxes.
struct Field {
    std::string Text; // UTF-8
    bool Visible = true;
    bool Locked = false;
    bool TabStop = true;
    Colour BackColor = colours::windowBackground;
    int Left = 0;
    int SelStart = 0; // UTF-16 code units, as a desktop text box counts
    int SelLength = 0;
};

// What a model reports when one property of one of its fields changes; the front end reads the
// new value from the model.
struct FieldChanged {
    enum class Property { Text, Visible, Locked, TabStop, BackColor, Left, Selection };
    int field;
    Property property;
    bool operator==(const FieldChanged &) const = default;
};

struct TextSelection {
    int start = 0;
    int length = 0;
    bool operator==(const TextSelection &) const = default;
};

// A person's edit as a text box takes it: the text as well-formed UTF-8, and the caret where
// it was left, within that text.
struct TextEdit {
    std::string text;
    int caret = 0;
};
TextEdit typedText(std::string_view typed, int caretAt);

// A selection a person makes, kept within the text.
TextSelection selectionWithin(std::string_view text, int start, int length);
// The whole text selected, as when a field takes the focus.
TextSelection wholeText(std::string_view text);

inline TextSelection selectionOf(const Field &field) {
    return {field.SelStart, field.SelLength};
}
// Sets the selection; true when it changed.
bool setSelection(Field &field, TextSelection selection);

// Writes a property; true when it changed, so that only a real change is reported.
template <class T, class U> bool assign(T &property, U &&value) {
    if (property == value)
        return false;
    property = std::forward<U>(value);
    return true;
}

} // namespace liftcalc
