// SPDX-License-Identifier: MIT
// Reporting what a person does in the window to the model.
#include "ui/calculator_form.h"
#include "ui/widget_binding.h"

#include <QAbstractButton>
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>

namespace liftcalc {

void CalculatorForm::connectInput() {
    for (int i = 0; i < kFieldCount; ++i) {
        QLineEdit *field = widgets_.fields[i];
        // textEdited, unlike textChanged, fires only for a person's edit, so the model's own
        // writes do not come back to it.
        connect(field, &QLineEdit::textEdited, this,
                [this, i](const QString &text) { fieldEdited(i, text); });
        connect(field, &QLineEdit::selectionChanged, this, [this, i] { fieldSelectionChanged(i); });
        connect(field, &QLineEdit::cursorPositionChanged, this,
                [this, i] { fieldSelectionChanged(i); });
    }
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

void CalculatorForm::fieldEdited(int index, const QString &text) {
    QLineEdit *field = widgets_.fields[index];
    if (!model_.editField(index, text.toStdString(), field->cursorPosition()))
        mirrorText(index); // refused: the field shows what the model holds
}

void CalculatorForm::fieldSelectionChanged(int index) {
    QLineEdit *field = widgets_.fields[index];
    // A line edit that loses the focus drops its selection; the field keeps it.
    if (!field->hasFocus())
        return;
    const Selection selection = selectionOf(field);
    model_.selectInField(index, selection.start, selection.length);
}

void CalculatorForm::buttonClicked(ControlId control) {
    model_.click(control);
    // Qt has already toggled a clicked option button; the model says what it really shows.
    mirrorOption(ControlId::optImperial);
    mirrorOption(ControlId::optMetric);
}

void CalculatorForm::menuChosen(MenuItem item) {
    model_.chooseMenu(item);
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
    if (event->type() == QEvent::Shortcut) {
        // Alt plus a button's access key presses it at once, without Qt's animated click.
        if (const auto control = buttonIdOf(watched)) {
            buttonClicked(*control);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

bool CalculatorForm::fieldEvent(int index, QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        // Clicking into a field gives it the focus, which selects its whole text; the press
        // itself must not then drop the caret where the pointer is.
        if (model_.focus() == fieldControl(index))
            return false;
        model_.clickField(index);
        return true;
    case QEvent::ShortcutOverride: {
        // A line edit claims Ctrl+C and its other editing keys for itself; the menus' shortcuts
        // act on the whole window first.
        auto *key = static_cast<QKeyEvent *>(event);
        if (!isMenuShortcut(QKeySequence(key->keyCombination())))
            return false;
        event->ignore();
        return true;
    }
    default:
        return false;
    }
}

bool CalculatorForm::keyEvent(QObject *watched, QEvent *event) {
    const auto key = modelKey(event);
    // On a button the arrow keys are the model's: on the selected option button they choose
    // the other one. Qt would otherwise move the focus (and, on an option button, choose)
    // behind the model's back. In a field they move the caret, as the line edit does, and
    // selection changes reach the model as they happen.
    if (!key || (isArrow(*key) && !buttonIdOf(watched)))
        return false;
    pressKey(model_, *key, [this](bool) { model_.pressArrow(); });
    return true;
}

bool CalculatorForm::focusNextPrevChild(bool next) {
    // The model owns the tab order, including which fields are skipped.
    model_.pressTab(!next);
    return true;
}

bool CalculatorForm::isMenuShortcut(const QKeySequence &keys) const {
    for (const QKeySequence &shortcut : menuShortcuts_)
        if (shortcut.matches(keys) == QKeySequence::ExactMatch)
            return true;
    return false;
}

} // namespace liftcalc
