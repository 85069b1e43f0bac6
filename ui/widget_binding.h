// SPDX-License-Identifier: MIT
// The one line-edit binding both windows use: a person's keys named for the models, a line
// edit's edits and selections reported to its model's field, and a model's field, option button
// and answers shown in the widgets, the same way in every window.
#pragma once

#include "window/option_button.h"
#include "window/text_box.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <string_view>

class QAbstractButton;
class QEvent;
class QKeyEvent;
class QLineEdit;
class QObject;
class QWidget;

namespace liftcalc {

// Text from the models (UTF-8) as Qt holds it.
inline QString text(std::string_view s) {
    return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()));
}

// A key as the windows' models name it ("Tab", "Shift+Tab", "Enter", "Esc", "Left"), or empty
// for a key the widget keeps: Ctrl+Tab, a modified Enter, a letter, or an arrow in a field,
// which moves the caret there (on a button, an option button or the chooser, `onControl`, the
// arrows are the model's). What each key does is the model's to say.
std::string_view keyName(const QKeyEvent &key, bool onControl);

// A line edit's selection as the models count it, in UTF-16 code units: the caret alone is a
// selection of length 0 where the caret is.
TextSelection selectionOf(const QLineEdit *field);

// A model's side of one of its fields, as its line edit reports a person's doings to it.
struct FieldPort {
    // A person's edit, the caret where it was left; false when the model refused it.
    std::function<bool(const std::string &text, int caret)> edit;
    std::function<void(TextSelection)> select;
    // The model's field now, to show again after a refused edit.
    std::function<const Field &()> state;
};
// Reports a person's edits and selections in `field` to the model. textEdited, unlike
// textChanged, fires only for a person's edit, so the model's own writes do not come back.
void connectField(QLineEdit *field, QObject *context, FieldPort port);

// A mouse press into a field: it gives the field the focus through the model, which selects the
// whole text; the press itself must not then drop the caret where the pointer is.
bool isPressInto(const QEvent &event);

// Shows one property of a model's field. A locked field is read-only but still takes a click,
// so that its figure can be selected and copied; Tab (the model's) passes a field that is no
// tab stop, and the focus policy says the same to Qt and to accessibility tools. The position
// is the window's own to show.
void showField(QLineEdit *widget, const Field &field, FieldChanged::Property property);
// Shows every property of a model's field but its position.
void showWholeField(QLineEdit *widget, const Field &field);
// Shows a model's text, unless it is there already (a person's own edit), then its selection.
void showText(QLineEdit *field, const QString &text, TextSelection selection);
// Shows a model's selection, unless it is there already, which keeps the side a person is
// extending a selection from.
void showSelection(QLineEdit *field, TextSelection selection);

// Shows a model's option button: checked or not, its caption's colour (in a shade readable on
// the theme's background) and weight.
void showOption(QAbstractButton *button, const OptionButton &option);

// Gives the focus to the model's control, unless it has it.
void showFocus(QWidget *window, QWidget *control);
// Gives the focus to a field; a line edit drops its selection when it loses the focus, and the
// model's comes back with it.
void showFocus(QWidget *window, QLineEdit *widget, const Field &field);

// The answers on show, "Oil volume: 16.320 GAL, 61.779 L" row by row, as the description of the
// window and of its Calculate button: Tab does not visit the yellow fields, so a screen reader
// reads them out on Tab to Calculate. Without answers the button's description is its tooltip,
// as for the other buttons.
void describeAnswers(QWidget *window, QWidget *calculate, const QStringList &rows);

} // namespace liftcalc
