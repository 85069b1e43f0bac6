// SPDX-License-Identifier: MIT
// Reporting what a person does in the record window to the model.
#include "ui/record_table.h"
#include "ui/record_view.h"
#include "ui/widget_binding.h"

#include <QAction>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace liftcalc {
namespace {

// The keys of the list beyond the windows' own: Delete and Ctrl+Up or Ctrl+Down, which delete
// and move the current entry. Left and Right stay the list's, to reach the cells set in place.
std::string_view listKeyName(const QKeyEvent &key) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (key.key() == Qt::Key_Delete && modifiers == Qt::NoModifier)
        return "Delete";
    if (modifiers == Qt::ControlModifier && key.key() == Qt::Key_Up)
        return "Ctrl+Up";
    if (modifiers == Qt::ControlModifier && key.key() == Qt::Key_Down)
        return "Ctrl+Down";
    if (key.key() == Qt::Key_Left || key.key() == Qt::Key_Right)
        return "";
    return keyName(key, true);
}

} // namespace

void RecordView::connectInput() {
    for (int i = 0; i < kFormFieldCount; ++i)
        connectField(widgets_.fields[static_cast<std::size_t>(i)], this,
                     {[this, i](const std::string &text, int caret) {
                          return model_->editField(i, text, caret);
                      },
                      [this, i](TextSelection s) { model_->selectInField(i, s.start, s.length); },
                      [this, i]() -> const Field & { return model_->field(i); }});
    for (int m = 0; m < kMeasureCount; ++m)
        connect(widgets_.units[static_cast<std::size_t>(m)], &QComboBox::activated, this,
                [this, m](int index) {
                    model_->chooseUnit(m, index == 1 ? UnitSystem::metric : UnitSystem::imperial);
                    mirrorUnit(m);
                });
    for (std::size_t i = 1; i < kRecordControls.size(); ++i)
        connect(widgets_.buttons[i - 1], &QPushButton::clicked, this,
                [this, control = kRecordControls[i].control] { model_->click(control); });
    for (std::size_t i = 0; i < kRecordCommands.size(); ++i)
        connect(widgets_.commands[i], &QAction::triggered, this,
                [this, command = kRecordCommands[i].command] { model_->command(command); });
    // A row chosen with the mouse, or by the list's own keys, is the current entry.
    connect(widgets_.entries->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    model_->selectEntry(static_cast<std::size_t>(current.row()));
            });
}

bool RecordView::eventFilter(QObject *watched, QEvent *event) {
    const auto focus = focusOf(watched);
    if (focus && isPressInto(*event)) {
        // A press gives the control the focus through the model; into a field it selects the
        // whole text, as Tab does.
        if (const auto *field = std::get_if<FormField>(&*focus);
            field && model_->focus() != *focus) {
            model_->clickField(field->index);
            return true;
        }
        if (const auto *unit = std::get_if<UnitChooser>(&*focus))
            model_->chooseUnit(unit->measure, model_->unit(unit->measure));
    }
    if (focus && event->type() == QEvent::Shortcut) {
        // Alt and a button's access key acts at once, through the model.
        if (const auto *control = std::get_if<RecordControl>(&*focus)) {
            model_->click(*control);
            return true;
        }
    }
    if (focus && keyEvent(watched, event))
        return true;
    return QWidget::eventFilter(watched, event);
}

bool RecordView::keyEvent(QObject *watched, QEvent *event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto &key = *static_cast<QKeyEvent *>(event);
    const auto focus = focusOf(watched);
    const bool field = focus && std::holds_alternative<FormField>(*focus);
    const std::string_view name =
        watched == widgets_.entries ? listKeyName(key) : keyName(key, !field);
    const auto action = recordKeyAction(name);
    if (!action)
        return false;
    perform(*model_, *action);
    return true;
}

bool RecordView::focusNextPrevChild(bool next) {
    // The model owns the tab order, including the buttons that cannot act.
    perform(*model_,
            PressRecordKey{PressRecordKey::windowKey, next ? PressKey::Tab : PressKey::ShiftTab});
    return true;
}

} // namespace liftcalc
