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
        const CheckField f{slot / 2, slot % 2 == 1};
        QLineEdit *field = widgets_.fields[slot];
        // textEdited, unlike textChanged, fires only for a person's edit, so the model's own
        // writes do not come back to it.
        connect(field, &QLineEdit::textEdited, this,
                [this, f](const QString &text) { fieldEdited(f, text); });
        connect(field, &QLineEdit::selectionChanged, this, [this, f] { fieldSelectionChanged(f); });
        connect(field, &QLineEdit::cursorPositionChanged, this,
                [this, f] { fieldSelectionChanged(f); });
    }
    for (auto id : {ChecksControl::optImperial, ChecksControl::optMetric,
                    ChecksControl::cmdCalculate, ChecksControl::cmdClear, ChecksControl::cmdClose})
        connect(static_cast<QAbstractButton *>(widgets_.controls[static_cast<int>(id)]),
                &QAbstractButton::clicked, this, [this, id] { controlClicked(id); });
    // A check picked from the chooser's list (or by typing its first letters).
    connect(widgets_.chooser, &QComboBox::activated, this, [this](int index) {
        model_.chooseCheck(index);
        widgets_.chooser->setCurrentIndex(model_.checkIndex());
    });
}

void ChecksView::fieldEdited(CheckField f, const QString &text) {
    if (!model_.editField(f, text.toStdString(), fieldWidget(f)->cursorPosition()))
        mirrorText(f); // refused: the field shows what the model holds
}

void ChecksView::fieldSelectionChanged(CheckField f) {
    QLineEdit *field = fieldWidget(f);
    // A line edit that loses the focus drops its selection; the field keeps it.
    if (!field->hasFocus())
        return;
    const Selection selection = selectionOf(field);
    model_.selectInField(f, selection.start, selection.length);
}

void ChecksView::controlClicked(ChecksControl control) {
    model_.click(control);
    // Qt has already toggled a clicked unit button; the model says which is chosen.
    mirrorOptions();
}

bool ChecksView::eventFilter(QObject *watched, QEvent *event) {
    // The calculator window closing (or hidden for good) takes this one with it.
    if (watched == owner_) {
        if (event->type() == QEvent::Hide && !owner_->isVisible())
            model_.close();
        return false;
    }
    if (const auto f = fieldOf(watched); f && fieldEvent(*f, event))
        return true;
    if (keyEvent(watched, event))
        return true;
    if (event->type() == QEvent::Shortcut) {
        // Alt plus an access key acts at once, without Qt's animated click; the chooser's label
        // hands the focus to the chooser through the model.
        if (watched == widgets_.chooserLabel) {
            model_.click(ChecksControl::chooser);
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
        model_.click(ChecksControl::chooser);
        return false;
    default:
        return false;
    }
}

bool ChecksView::fieldEvent(CheckField f, QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // Clicking into a field gives it the focus, which selects its whole text; the press
        // itself must not then drop the caret where the pointer is.
        if (model_.focus() == ChecksFocus{f})
            return false;
        model_.clickField(f);
        return true;
    default:
        return false;
    }
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
    perform(model_, *action);
    return true;
}

bool ChecksView::focusNextPrevChild(bool next) {
    // The model owns the tab order, including which fields are skipped.
    perform(model_, PressChecksKey{next ? PressKey::Tab : PressKey::ShiftTab});
    return true;
}

} // namespace liftcalc
