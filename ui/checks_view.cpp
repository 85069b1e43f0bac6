// SPDX-License-Identifier: MIT
#include "ui/checks_view.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <variant>

namespace liftcalc {

ChecksView::ChecksView(const NumberFormat &format, UnitSystem units, QWidget *owner,
                       WindowHost *host)
    : QWidget(owner, Qt::Window), model_(host ? *host : boxes_, format, units), owner_(owner) {
    setObjectName(QStringLiteral("ChecksForm"));
    setWindowTitle(QStringLiteral("Field checks"));
    if (owner)
        setWindowIcon(owner->windowIcon());
    boxes_.setWindow(this);
    createWidgets();
    connectInput();
    connectModel();
    mirrorAll();
    if (owner)
        owner->installEventFilter(this);
}

ChecksView::~ChecksView() {
    model_.changed.disconnect(connection_);
}

void ChecksView::closeEvent(QCloseEvent *event) {
    // Closing from the title bar closes the model, as Close does; when the model has already
    // closed (Close, Esc), the window simply goes.
    model_.close();
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

QWidget *ChecksView::widgetOf(const ChecksFocus &focus) const {
    if (const auto *field = std::get_if<CheckField>(&focus))
        return fieldWidget(*field);
    return widgets_.controls[static_cast<int>(std::get<ChecksControl>(focus))];
}

std::optional<CheckField> ChecksView::fieldOf(const QObject *object) const {
    for (int slot = 0; slot < kChecksFieldCount; ++slot)
        if (widgets_.fields[slot] == object)
            return CheckField{slot / 2, slot % 2 == 1};
    return std::nullopt;
}

std::optional<ChecksControl> ChecksView::controlOf(const QObject *object) const {
    for (std::size_t i = 0; i < widgets_.controls.size(); ++i)
        if (widgets_.controls[i] == object)
            return static_cast<ChecksControl>(i);
    return std::nullopt;
}

ChecksView *openChecks(QWidget *owner, const NumberFormat &format, UnitSystem units) {
    // One checks window at a time: opening it again brings the open one forward as it is.
    if (owner) {
        for (QObject *child : owner->children()) {
            auto *open = dynamic_cast<ChecksView *>(child);
            if (!open || !open->model().isOpen())
                continue;
            open->setWindowState(open->windowState() & ~Qt::WindowMinimized);
            open->raise();
            open->activateWindow();
            return open;
        }
    }
    auto *view = new ChecksView(format, units, owner);
    view->setAttribute(Qt::WA_DeleteOnClose);
    view->showOver();
    return view;
}

} // namespace liftcalc
