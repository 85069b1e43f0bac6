// SPDX-License-Identifier: MIT
// Mirroring the record window model into the widgets, as it changes.
#include "ui/record_table.h"
#include "ui/record_view.h"
#include "ui/widget_binding.h"

#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableView>

#include <algorithm>
#include <variant>

namespace liftcalc {
namespace {

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

void RecordView::connectModel() {
    connection_ = model_->changed.connect([this](const RecordChange &change) { mirror(change); });
}

void RecordView::mirror(const RecordChange &change) {
    std::visit(Overloaded{
                   [this](const FieldChanged &c) {
                       showField(widgets_.fields[static_cast<std::size_t>(c.field)],
                                 model_->field(c.field), c.property);
                   },
                   [this](const UnitChanged &c) { mirrorUnit(c.measure); },
                   [this](const EntriesChanged &) { mirrorEntries(); },
                   [this](const EntryChanged &c) { widgets_.table->entryChanged(c.index); },
                   [this](const CurrentEntryChanged &) { mirrorCurrent(); },
                   [this](const TitleChanged &) { setWindowTitle(text(model_->title())); },
                   [this](const FocusMoved &) { mirrorFocus(); },
                   // The window goes once the model has closed: Close, Esc, or its owner's end.
                   [this](const RecordClosed &) { close(); },
               },
               change);
}

void RecordView::mirrorAll() {
    for (int i = 0; i < kFormFieldCount; ++i)
        showWholeField(widgets_.fields[static_cast<std::size_t>(i)], model_->field(i));
    for (int m = 0; m < kMeasureCount; ++m)
        mirrorUnit(m);
    mirrorEntries();
    setWindowTitle(text(model_->title()));
}

void RecordView::mirrorUnit(int measure) {
    QComboBox *units = widgets_.units[static_cast<std::size_t>(measure)];
    const QSignalBlocker quiet(units);
    units->setCurrentIndex(model_->unit(measure) == UnitSystem::metric ? 1 : 0);
}

// Each column as wide as its texts, within a quarter of the list; the context and the note
// wide enough to be typed into even while empty.
void RecordView::mirrorEntries() {
    using record::words::Column;
    widgets_.table->resetAll();
    QTableView *view = widgets_.entries;
    const int most = std::max(view->viewport()->width() / 4, 100);
    const int least = view->fontMetrics().horizontalAdvance(QLatin1Char('M')) * 10;
    for (int c = 0; c < widgets_.table->columnCount(); ++c) {
        if (c == static_cast<int>(Column::figures))
            continue;
        view->resizeColumnToContents(c);
        const bool typed =
            c == static_cast<int>(Column::context) || c == static_cast<int>(Column::note);
        view->setColumnWidth(c, std::clamp(view->columnWidth(c), typed ? least : 0, most));
    }
    mirrorCurrent();
}

// The current entry is the list's selected row; the buttons can act on it or not.
void RecordView::mirrorCurrent() {
    QTableView *view = widgets_.entries;
    const QSignalBlocker quiet(view->selectionModel());
    if (const auto current = model_->currentEntry()) {
        // The list keeps its column, where a cell is set in place.
        const int column = std::max(view->currentIndex().column(), 0);
        const QModelIndex at = widgets_.table->index(static_cast<int>(*current), column);
        view->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
        view->scrollTo(at);
    } else {
        view->selectionModel()->clear();
    }
    mirrorButtons();
}

void RecordView::mirrorButtons() {
    for (std::size_t i = 1; i < kRecordControls.size(); ++i)
        widgets_.buttons[i - 1]->setEnabled(model_->enabled(kRecordControls[i].control));
    widgets_.entries->setFocusPolicy(model_->enabled(RecordControl::entries) ? Qt::StrongFocus
                                                                             : Qt::ClickFocus);
}

void RecordView::mirrorFocus() {
    if (!isVisible())
        return;
    const RecordFocus focus = model_->focus();
    if (const auto *field = std::get_if<FormField>(&focus))
        showFocus(this, widgets_.fields[static_cast<std::size_t>(field->index)],
                  model_->field(field->index));
    else
        showFocus(this, widgetOf(focus));
}

} // namespace liftcalc
