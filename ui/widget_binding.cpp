// SPDX-License-Identifier: MIT
#include "ui/widget_binding.h"

#include "ui/form_look.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
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

TextSelection selectionOf(const QLineEdit *field) {
    return {field->hasSelectedText() ? field->selectionStart() : field->cursorPosition(),
            field->selectionLength()};
}

void connectField(QLineEdit *field, QObject *context, FieldPort port) {
    QObject::connect(field, &QLineEdit::textEdited, context, [field, port](const QString &typed) {
        if (!port.edit(typed.toStdString(), field->cursorPosition()))
            showField(field, port.state(), FieldChanged::Property::Text); // what the model holds
    });
    const auto selected = [field, port] {
        // A line edit that loses the focus drops its selection; the field keeps it.
        if (field->hasFocus())
            port.select(selectionOf(field));
    };
    QObject::connect(field, &QLineEdit::selectionChanged, context, selected);
    QObject::connect(field, &QLineEdit::cursorPositionChanged, context, selected);
}

bool isPressInto(const QEvent &event) {
    return event.type() == QEvent::MouseButtonPress || event.type() == QEvent::MouseButtonDblClick;
}

void showField(QLineEdit *widget, const Field &field, FieldChanged::Property property) {
    switch (property) {
    case FieldChanged::Property::Text:
        showText(widget, QString::fromStdString(field.Text), selectionOf(field));
        break;
    case FieldChanged::Property::Selection:
        showSelection(widget, selectionOf(field));
        break;
    case FieldChanged::Property::Visible:
        widget->setVisible(field.Visible);
        break;
    case FieldChanged::Property::Locked:
        widget->setReadOnly(field.Locked);
        break;
    case FieldChanged::Property::TabStop:
        widget->setFocusPolicy(field.TabStop ? Qt::StrongFocus : Qt::ClickFocus);
        break;
    case FieldChanged::Property::BackColor: {
        QPalette palette = widget->palette();
        const QColor background = qtColour(field.BackColor, QApplication::palette(widget));
        palette.setColor(QPalette::Base, background);
        // The theme's text colour is made for the theme's own field colour; on a white or
        // yellow field under a dark theme it would be near-white.
        palette.setColor(QPalette::Text, textOn(background));
        widget->setPalette(palette);
        break;
    }
    case FieldChanged::Property::Left:
        break;
    }
}

void showWholeField(QLineEdit *widget, const Field &field) {
    for (auto property : {FieldChanged::Property::Text, FieldChanged::Property::Visible,
                          FieldChanged::Property::Locked, FieldChanged::Property::TabStop,
                          FieldChanged::Property::BackColor})
        showField(widget, field, property);
}

void showText(QLineEdit *field, const QString &text, TextSelection selection) {
    if (field->text() == text)
        return;
    // setText would report a selection change of its own; the model's selection follows.
    const QSignalBlocker quiet(field);
    field->setText(text);
    showSelection(field, selection);
}

void showSelection(QLineEdit *field, TextSelection selection) {
    if (selectionOf(field) == selection)
        return;
    const QSignalBlocker quiet(field);
    if (selection.length > 0)
        field->setSelection(selection.start, selection.length);
    else
        field->setCursorPosition(selection.start);
}

void showOption(QAbstractButton *button, const OptionButton &option) {
    {
        const QSignalBlocker quiet(button);
        button->setChecked(option.Value);
    }
    QPalette palette = button->palette();
    const QPalette theme = QApplication::palette(button);
    const QColor colour =
        readableOn(qtColour(option.ForeColor, theme), theme.color(QPalette::Window));
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::ButtonText, colour);
    button->setPalette(palette);
    QFont font = button->font();
    font.setBold(option.FontBold);
    button->setFont(font);
}

void showFocus(QWidget *window, QWidget *control) {
    if (window->focusWidget() != control)
        control->setFocus(Qt::OtherFocusReason);
}

void showFocus(QWidget *window, QLineEdit *widget, const Field &field) {
    showFocus(window, widget);
    showSelection(widget, selectionOf(field));
}

void describeAnswers(QWidget *window, QWidget *calculate, const QStringList &rows) {
    const QString answers = rows.join(QStringLiteral("; "));
    if (window->accessibleDescription() == answers)
        return;
    window->setAccessibleDescription(answers);
    calculate->setAccessibleDescription(answers.isEmpty() ? QString()
                                                          : calculate->toolTip().trimmed() +
                                                                QStringLiteral(". ") + answers);
}

} // namespace liftcalc
