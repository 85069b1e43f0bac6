// SPDX-License-Identifier: MIT
#include "ui/checks_view.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <variant>

namespace liftcalc {

ChecksView::ChecksView(std::shared_ptr<ChecksWindow> model, QWidget *owner)
    : QWidget(owner, Qt::Window), model_(std::move(model)), owner_(owner) {
    setObjectName(QStringLiteral("ChecksForm"));
    setWindowTitle(QStringLiteral("Field checks"));
    if (owner)
        setWindowIcon(owner->windowIcon());
    boxes_.setWindow(this);
    model_->setMessageHost(&boxes_);
    createWidgets();
    connectInput();
    connectModel();
    mirrorAll();
}

ChecksView::~ChecksView() {
    model_->changed.disconnect(connection_);
    // The model outlives this window and may be shown again by a new one that has its boxes.
    model_->releaseMessageHost(&boxes_);
}

void ChecksView::closeEvent(QCloseEvent *event) {
    // Closing from the title bar closes the model, as Close does; when the model has already
    // closed (Close, Esc, the calculator window closing), the window simply goes.
    model_->close();
    event->accept();
}

void ChecksView::changeEvent(QEvent *event) {
    // A new theme brings a new background for the unit buttons' coloured captions.
    if (event->type() == QEvent::PaletteChange)
        mirrorOptions();
    QWidget::changeEvent(event);
}

QLineEdit *ChecksView::fieldWidget(CheckField field) const {
    return widgets_.fields[fieldSlot(field)];
}

QLabel *ChecksView::unitLabel(CheckField field) const {
    return widgets_.units[fieldSlot(field)];
}

QAbstractButton *ChecksView::buttonOf(ChecksControl control) const {
    return control == ChecksControl::chooser ? nullptr
                                             : widgets_.buttons[static_cast<int>(control) - 1];
}

QWidget *ChecksView::widgetOf(ChecksControl control) const {
    if (control == ChecksControl::chooser)
        return widgets_.chooser;
    return buttonOf(control);
}

std::optional<CheckField> ChecksView::fieldOf(const QObject *object) const {
    for (int slot = 0; slot < kChecksFieldCount; ++slot)
        if (widgets_.fields[slot] == object)
            return checkFieldAt(slot);
    return std::nullopt;
}

std::optional<ChecksControl> ChecksView::controlOf(const QObject *object) const {
    for (const ChecksControlDesign &design : kChecksControls)
        if (widgetOf(design.control) == object)
            return design.control;
    return std::nullopt;
}

} // namespace liftcalc
