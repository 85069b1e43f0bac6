// SPDX-License-Identifier: MIT
// What the bindings of both windows do alike: they take the same keys from a person for their
// models, and show a model's text and selection in a line edit the same way.
#pragma once

#include <QString>
#include <optional>

class QEvent;
class QLineEdit;

namespace liftcalc {

// A key press that goes to a window's model, whichever widget has the focus.
enum class ModelKey { tab, backtab, enter, escape, arrowBack, arrowForward };

// The model's key for `event`, or none: not a key press, or a key a widget keeps (Ctrl+Tab, Alt
// plus an arrow, a letter). An arrow is the model's only on a button; the caller knows which.
std::optional<ModelKey> modelKey(const QEvent *event);

constexpr bool isArrow(ModelKey key) {
    return key == ModelKey::arrowBack || key == ModelKey::arrowForward;
}

// Hands a key to a window's model; an arrow goes to `pressArrow`, with true for forwards.
template <class Model, class Arrow> void pressKey(Model &model, ModelKey key, Arrow pressArrow) {
    switch (key) {
    case ModelKey::arrowBack:
    case ModelKey::arrowForward:
        pressArrow(key == ModelKey::arrowForward);
        break;
    case ModelKey::tab:
    case ModelKey::backtab:
        model.pressTab(key == ModelKey::backtab);
        break;
    case ModelKey::enter:
        model.pressEnter();
        break;
    case ModelKey::escape:
        model.pressEscape();
        break;
    }
}

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
