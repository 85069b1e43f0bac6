// SPDX-License-Identifier: MIT
// What the bindings of both windows do alike: they name a person's keys the same way for their
// models, and show a model's text and selection in a line edit the same way.
#pragma once

#include <QString>
#include <string_view>

class QKeyEvent;
class QLineEdit;

namespace liftcalc {

// A key as the windows' models name it ("Tab", "Shift+Tab", "Enter", "Esc", "Left"), or empty
// for a key the widget keeps: Ctrl+Tab, a modified Enter, a letter, or an arrow in a field,
// which moves the caret there (on a button, an option button or the chooser, `onControl`, the
// arrows are the model's). What each key does is the model's to say.
std::string_view keyName(const QKeyEvent &key, bool onControl);

// A line edit's selection as the models count it, in UTF-16 code units: the caret alone is a
// selection of length 0 where the caret is.
struct Selection {
    int start = 0;
    int length = 0;
};
Selection selectionOf(const QLineEdit *field);

// Shows a model's text, unless it is there already (a person's own edit), then its selection.
void showText(QLineEdit *field, const QString &text, Selection selection);
// Shows a model's selection, unless it is there already, which keeps the side a person is
// extending a selection from.
void showSelection(QLineEdit *field, Selection selection);

} // namespace liftcalc
