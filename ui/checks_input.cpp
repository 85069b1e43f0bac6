// SPDX-License-Identifier: MIT
// Reporting what a person does in the checks window to the model.
#include "ui/checks_view.h"
#include "ui/widget_binding.h"
#include "window/checks_actions.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <algorithm>
#include <array>
#include <iterator>

namespace liftcalc {
namespace {

// The chooser's list keys, in the order of PressChooserKey::Key.
constexpr std::array kChooserQtKeys{Qt::Key_Home, Qt::Key_End, Qt::Key_PageUp, Qt::Key_PageDown};
static_assert(kChooserQtKeys.size() == kChooserKeyNames.size());

} // namespace

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

// The closed chooser picks a check by its arrows, Home, End, the page keys and letters typed
// in quick succession, all through the model, which keeps the focus on it; or from its list,
// which sends the focus into the check's first input. Qt's own picking on the closed chooser
// would send the focus on, so that the next letter would land in a field; a turn of the wheel
// passing over it would change the check unasked.
bool ChecksView::chooserEvent(QEvent *event) {
    switch (event->type()) {
    case QEvent::Wheel:
        return true;
    case QEvent::KeyPress: {
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool plain = !(key->modifiers() & ~Qt::KeypadModifier);
        if (const auto k = std::find(kChooserQtKeys.begin(), kChooserQtKeys.end(), key->key());
            plain && k != kChooserQtKeys.end()) {
            perform(*model_, PressChooserKey{static_cast<PressChooserKey::Key>(
                                 std::distance(kChooserQtKeys.begin(), k))});
            return true;
        }
        if (key->text().isEmpty() || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
            return false;
        // Letters typed within the platform's interval make one search, as in any list.
        const bool goesOn =
            typedAt_.isValid() && typedAt_.elapsed() <= QApplication::keyboardInputInterval();
        // A blank opens the list, unless it is part of a name being typed.
        if (key->key() == Qt::Key_Space && !goesOn)
            return false;
        typedOnChooser_ = (goesOn ? typedOnChooser_ : QString()) + key->text();
        typedAt_.start();
        perform(*model_, TypeOnChooser{typedOnChooser_.toStdString()});
        return true;
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
