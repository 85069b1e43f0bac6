// SPDX-License-Identifier: MIT
// Reporting what a person does in the window to the model: clicks, keys and menu items as the
// typed person actions, whose keys the model names; edits and selections as the line edit
// reports them.
#include "ui/calculator_form.h"
#include "ui/widget_binding.h"
#include "window/actions.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QShortcutEvent>

namespace liftcalc {
namespace {

// A shortcut's keys as the window names them ("Ctrl+L", "Alt+C").
std::string keyName(const QKeySequence &keys) {
    return keys.toString(QKeySequence::PortableText).toStdString();
}

} // namespace

void CalculatorForm::connectInput() {
    for (int i = 0; i < kFieldCount; ++i)
        connectField(widgets_.fields[i], this,
                     {[this, i](const std::string &text, int caret) {
                          return model_.editField(i, text, caret);
                      },
                      [this, i](TextSelection s) { model_.selectInField(i, s.start, s.length); },
                      [this, i]() -> const Field & { return model_.Text1(i); }});
    for (std::size_t i = 0; i < kButtons.size(); ++i) {
        const ControlId id = kButtons[i].id;
        connect(widgets_.buttons[i], &QAbstractButton::clicked, this,
                [this, id] { buttonClicked(id); });
    }
    for (const MenuDesign &design : kMenus) {
        if (QAction *action = widgets_.menuItems[static_cast<int>(design.item)]) {
            const MenuItem item = design.item;
            connect(action, &QAction::triggered, this, [this, item] { menuChosen(item); });
        }
    }
}

bool CalculatorForm::pressKey(std::string_view name) {
    const auto action = keyAction(name);
    return action && perform(model_, *action);
}

void CalculatorForm::buttonClicked(ControlId control) {
    perform(model_, ClickControl{control});
    // Qt has already toggled a clicked option button; the model says what it really shows.
    mirrorOption(ControlId::optImperial);
    mirrorOption(ControlId::optMetric);
}

void CalculatorForm::menuChosen(MenuItem item) {
    perform(model_, ChooseMenu{item});
    // Qt has already toggled the chosen item's check mark; only the handlers set the marks.
    mirrorMenuChecks();
}

bool CalculatorForm::eventFilter(QObject *watched, QEvent *event) {
    // A new theme (light to dark, say) brings new backgrounds for the texts coloured here.
    if (event->type() == QEvent::PaletteChange && watched == centralWidget()) {
        colourTexts();
        return false;
    }
    if (const int index = fieldIndexOf(watched); index >= 0 && fieldEvent(index, event))
        return true;
    if (keyEvent(watched, event))
        return true;
    // Alt plus a button's access key presses it at once, without Qt's animated click.
    if (event->type() == QEvent::Shortcut && buttonIdOf(watched))
        return pressKey(keyName(static_cast<QShortcutEvent *>(event)->key()));
    return QMainWindow::eventFilter(watched, event);
}

bool CalculatorForm::fieldEvent(int index, QEvent *event) {
    if (isPressInto(*event)) {
        if (model_.focus() == fieldControl(index))
            return false;
        perform(model_, ClickField{index});
        return true;
    }
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // A line edit claims Ctrl+C and its other editing keys for itself; the menus' shortcuts
        // act on the whole window first.
        const auto *key = static_cast<QKeyEvent *>(event);
        const auto action = keyAction(keyName(QKeySequence(key->keyCombination())));
        if (!action || !std::holds_alternative<ChooseMenu>(*action))
            return false;
        event->ignore();
        return true;
    }
    default:
        return false;
    }
}

bool CalculatorForm::keyEvent(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    return pressKey(keyName(*static_cast<QKeyEvent *>(event), buttonIdOf(watched).has_value()));
}

bool CalculatorForm::focusNextPrevChild(bool next) {
    // The model owns the tab order, including which fields are skipped.
    perform(model_, PressKey{next ? PressKey::Tab : PressKey::ShiftTab});
    return true;
}

} // namespace liftcalc
