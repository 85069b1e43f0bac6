// SPDX-License-Identifier: MIT
#include "ui/record_view.h"

#include "ui/record_table.h"
#include "ui/widget_binding.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTableView>
#include <algorithm>

namespace liftcalc {

RecordView::RecordView(std::shared_ptr<RecordWindow> model, QWidget *owner, RecordHost *host)
    : QWidget(owner, Qt::Window), model_(std::move(model)), owner_(owner) {
    setObjectName(QStringLiteral("RecordForm"));
    if (owner)
        setWindowIcon(owner->windowIcon());
    if (!host) {
        ownHost_ = std::make_unique<DesktopHost>();
        ownHost_->setWindow(this);
        host = ownHost_.get();
    }
    host_ = host;
    model_->setHost(host);
    createWidgets();
    connectInput();
    connectModel();
    mirrorAll();
}

RecordView::~RecordView() {
    model_->changed.disconnect(connection_);
    model_->releaseHost(host_);
}

void RecordView::showOver() {
    const QScreen *screen = owner_ ? owner_->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect room = screen->availableGeometry();
        // The whole form where the screen has room for it beside a few entries; on a smaller
        // screen it scrolls.
        widgets_.form->setMinimumHeight(
            std::min(widgets_.form->widget()->sizeHint().height(), room.height() / 2));
        resize(sizeHint()
                   .boundedTo(room.size() * 9 / 10)
                   .expandedTo(QSize(room.width() * 4 / 5, room.height() * 3 / 5)));
        const QRect over = owner_ ? owner_->frameGeometry() : room;
        QRect placed(QPoint(), size());
        placed.moveCenter(over.center());
        placed.moveTopLeft(
            QPoint(std::max(placed.left(), room.left()), std::max(placed.top(), room.top())));
        move(placed.topLeft());
    }
    show();
    activateWindow();
    // The columns are sized for the list's width once it has one.
    mirrorEntries();
    mirrorFocus();
}

void RecordView::closeEvent(QCloseEvent *event) {
    // Closing from the title bar closes the model, as Close does; the record stays kept.
    model_->close();
    event->accept();
}

std::optional<RecordFocus> RecordView::focusOf(const QObject *object) const {
    for (int i = 0; i < kFormFieldCount; ++i)
        if (widgets_.fields[static_cast<std::size_t>(i)] == object)
            return FormField{i};
    for (int m = 0; m < kMeasureCount; ++m)
        if (widgets_.units[static_cast<std::size_t>(m)] == object)
            return UnitChooser{m};
    for (const RecordControlDesign &design : kRecordControls)
        if (widgetOf(design.control) == object)
            return design.control;
    return std::nullopt;
}

QWidget *RecordView::widgetOf(const RecordFocus &focus) const {
    if (const auto *field = std::get_if<FormField>(&focus))
        return widgets_.fields[static_cast<std::size_t>(field->index)];
    if (const auto *unit = std::get_if<UnitChooser>(&focus))
        return widgets_.units[static_cast<std::size_t>(unit->measure)];
    const auto control = std::get<RecordControl>(focus);
    if (control == RecordControl::entries)
        return widgets_.entries;
    return widgets_.buttons[static_cast<std::size_t>(control) - 1];
}

} // namespace liftcalc
