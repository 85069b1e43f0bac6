// SPDX-License-Identifier: MIT
// The record's entries as Qt's views take them: one row an entry, one column a column of the
// record's list, the context, the verdict and the note set in place. Every cell is the model's
// own text; an edit goes to the model, which says what changed.
#pragma once

#include "window/record_window.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

namespace liftcalc {

class RecordTable : public QAbstractTableModel {
public:
    RecordTable(RecordWindow &model, QObject *parent);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role) override;

    // The model's list changed: every row anew, or one entry's cells.
    void resetAll();
    void entryChanged(std::size_t entry);

private:
    RecordWindow &model_;
};

// The verdict is chosen from the words of the verdicts, the context and the note typed.
class VerdictDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;
};

} // namespace liftcalc
