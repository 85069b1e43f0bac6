// SPDX-License-Identifier: MIT
#include "ui/widget_binding.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>

namespace liftcalc {

std::optional<ModelKey> modelKey(const QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return std::nullopt;
    const auto *key = static_cast<const QKeyEvent *>(event);
    const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
    const bool plain = modifiers == Qt::NoModifier;
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
        return plain ? std::optional(ModelKey::arrowBack) : std::nullopt;
    case Qt::Key_Right:
    case Qt::Key_Down:
        return plain ? std::optional(ModelKey::arrowForward) : std::nullopt;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        // Ctrl+Tab and Alt+Tab belong to the desktop; Shift+Tab goes back.
        if (modifiers & (Qt::ControlModifier | Qt::AltModifier))
            return std::nullopt;
        return key->key() == Qt::Key_Backtab || (modifiers & Qt::ShiftModifier) ? ModelKey::backtab
                                                                                : ModelKey::tab;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return plain ? std::optional(ModelKey::enter) : std::nullopt;
    case Qt::Key_Escape:
        return plain ? std::optional(ModelKey::escape) : std::nullopt;
    default:
        return std::nullopt;
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
