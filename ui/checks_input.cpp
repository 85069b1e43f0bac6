// SPDX-License-Identifier: MIT
// Reporting what a person does in the checks window to the model.
#include "ui/checks_view.h"
#include "ui/widget_binding.h"
#include "window/checks_actions.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

namespace liftcalc {

void ChecksView::connectInput() {
    for (int slot = 0; slot < kChecksFieldCount; ++slot) {
        const CheckField f = checkFieldAt(slot);
        connectField(widgets_.fields[slot], this,
                     {[this, f](const std::string &text, int caret) {
                          return model_->editField(f, text, caret);
                      },
                      [this, f](TextSelection s) { model_->selectInField(f, s.start, s.length); },
                      [this, f]() -> const Field & { return model_->field(f); }});
    }
    for (const ChecksControlDesign &design : kChecksControls)
        if (QAbstractButton *button = buttonOf(design.control))
            connect(button, &QAbstractButton::clicked, this,
                    [this, id = design.control] { controlClicked(id); });
    // A check picked from the chooser's list (or by typing its first letters).
    connect(widgets_.chooser, &QComboBox::activated, this, [this](int index) {
        model_->chooseCheck(index);
        widgets_.chooser->setCurrentIndex(model_->checkIndex());
    });
}

void ChecksView::controlClicked(ChecksControl control) {
    model_->click(control);
    // Qt has already toggled a clicked unit button; the model says which is chosen.
    mirrorOptions();
}

bool ChecksView::eventFilter(QObject *watched, QEvent *event) {
    if (const auto f = fieldOf(watched); f && fieldEvent(*f, event))
        return true;
    if (keyEvent(watched, event))
        return true;
    if (event->type() == QEvent::Shortcut) {
        // Alt plus an access key acts at once, without Qt's animated click; the chooser's label
        // hands the focus to the chooser through the model.
        if (watched == widgets_.chooserLabel) {
            model_->click(ChecksControl::chooser);
            return true;
        }
        if (const auto control = controlOf(watched)) {
            controlClicked(*control);
            return true;
        }
    }
    if (watched == widgets_.chooser && chooserEvent(event))
        return true;
    return QWidget::eventFilter(watched, event);
}

// The closed chooser picks a check by its arrows, keeping the focus, or from its list, which
// sends the focus into the check's first input. Qt's other ways of picking on the closed
// chooser are kept from it: a letter would pick the check it starts with and send the focus
// on, so that the next letter of the name would land in that input; Home, End and the page
// keys would jump in the same way; a turn of the wheel passing over it would empty every field.
bool ChecksView::chooserEvent(QEvent *event) {
    switch (event->type()) {
    case QEvent::Wheel:
        return true;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        switch (key->key()) {
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            return true;
        case Qt::Key_Space: // opens the list
            return false;
        default:
            return !key->text().isEmpty() &&
                   !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        }
    }
    case QEvent::MouseButtonPress:
        // A click into the chooser gives it the focus, then opens its list as usual.
        model_->click(ChecksControl::chooser);
        return false;
    default:
        return false;
    }
}

bool ChecksView::fieldEvent(CheckField f, QEvent *event) {
    if (!isPressInto(*event) || model_->focus() == ChecksFocus{f})
        return false;
    model_->clickField(f);
    return true;
}

bool ChecksView::keyEvent(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    // On the chooser and the buttons the arrows are the model's: the chooser shows the check
    // before or after, the selected unit button chooses the other. In a field they move the
    // caret, and the selection reaches the model as it changes.
    const auto action =
        checksKeyAction(keyName(*static_cast<QKeyEvent *>(event), controlOf(watched).has_value()));
    if (!action)
        return false;
    perform(*model_, *action);
    return true;
}

bool ChecksView::focusNextPrevChild(bool next) {
    // The model owns the tab order, including which fields are skipped.
    perform(*model_, PressChecksKey{next ? PressKey::Tab : PressKey::ShiftTab});
    return true;
}

} // namespace liftcalc
