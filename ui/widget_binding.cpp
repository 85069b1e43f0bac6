// SPDX-License-Identifier: MIT
#include "ui/widget_binding.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace liftcalc {

std::string_view keyName(const QKeyEvent &key, bool onControl) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    switch (key.key()) {
    case Qt::Key_Left:
        return onControl && plain ? "Left" : "";
    case Qt::Key_Right:
        return onControl && plain ? "Right" : "";
    case Qt::Key_Up:
        return onControl && plain ? "Up" : "";
    case Qt::Key_Down:
        return onControl && plain ? "Down" : "";
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Ctrl+Tab and Alt+Tab belong to the desktop; Shift+Tab goes back.
        if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
            return "";
        return key.key() == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier) ? "Shift+Tab"
                                                                               : "Tab";
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return plain ? "Enter" : "";
    case Qt::Key_Escape:
        return plain ? "Esc" : "";
    default:
        return "";
    }
}

Selection selectionOf(const QLineEdit *field) {
    return {field->hasSelectedText() ? field->selectionStart() : field->cursorPosition(),
            field->selectionLength()};
}

void showText(QLineEdit *field, const QString &text, Selection selection) {
    if (field->text() == text)
        return;
    // setText would report a selection change of its own; the model's selection follows.
    const QSignalBlocker quiet(field);
    field->setText(text);
    showSelection(field, selection);
}

void showSelection(QLineEdit *field, Selection selection) {
    const Selection shown = selectionOf(field);
    if (shown.start == selection.start && shown.length == selection.length)
        return;
    const QSignalBlocker quiet(field);
    if (selection.length > 0)
        field->setSelection(selection.start, selection.length);
    else
        field->setCursorPosition(selection.start);
}

} // namespace liftcalc
