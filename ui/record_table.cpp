// SPDX-License-Identifier: MIT
#include "ui/record_table.h"

#include "record/words.h"
#include "ui/widget_binding.h"

#include <QComboBox>
#include <iterator>

namespace liftcalc {
namespace {

namespace words = record::words;
using words::Column;

constexpr int kColumnCount = static_cast<int>(std::size(words::kColumns));

Column columnAt(int section) {
    return static_cast<Column>(section);
}

bool editable(Column column) {
    return column == Column::context || column == Column::verdict || column == Column::note;
}

} // namespace

RecordTable::RecordTable(RecordWindow &model, QObject *parent)
    : QAbstractTableModel(parent), model_(model) {}

int RecordTable::rowCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : static_cast<int>(model_.record().entries.size());
}

int RecordTable::columnCount(const QModelIndex &parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant RecordTable::data(const QModelIndex &index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto entry = static_cast<std::size_t>(index.row());
    const Column column = columnAt(index.column());
    if (role == Qt::EditRole && column == Column::verdict)
        return static_cast<int>(model_.record().entries[entry].verdict);
    if (role == Qt::DisplayRole || role == Qt::EditRole || role == Qt::ToolTipRole)
        return text(model_.entryCell(entry, column));
    return {};
}

QVariant RecordTable::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole || section < 0)
        return {};
    if (orientation == Qt::Vertical)
        return section + 1;
    return section < kColumnCount ? text(words::kColumns[section]) : QVariant();
}

Qt::ItemFlags RecordTable::flags(const QModelIndex &index) const {
    Qt::ItemFlags flags = QAbstractTableModel::flags(index);
    if (index.isValid() && editable(columnAt(index.column())))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool RecordTable::setData(const QModelIndex &index, const QVariant &value, int role) {
    if (role != Qt::EditRole || !index.isValid())
        return false;
    const auto entry = static_cast<std::size_t>(index.row());
    switch (columnAt(index.column())) {
    case Column::context:
        model_.setContext(entry, value.toString().toStdString());
        return true;
    case Column::note:
        model_.setNote(entry, value.toString().toStdString());
        return true;
    case Column::verdict:
        model_.setVerdict(entry, static_cast<record::Verdict>(value.toInt()));
        return true;
    default:
        return false;
    }
}

void RecordTable::resetAll() {
    beginResetModel();
    endResetModel();
}

void RecordTable::entryChanged(std::size_t entry) {
    const int row = static_cast<int>(entry);
    Q_EMIT dataChanged(index(row, 0), index(row, kColumnCount - 1));
}

QWidget *VerdictDelegate::createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                                       const QModelIndex &index) const {
    if (columnAt(index.column()) != Column::verdict)
        return QStyledItemDelegate::createEditor(parent, option, index);
    auto *choice = new QComboBox(parent);
    choice->setObjectName(QStringLiteral("verdictChoice"));
    choice->setAccessibleName(text(words::columnCaption(Column::verdict)));
    for (const words::VerdictWord &verdict : words::kVerdicts)
        choice->addItem(text(verdict.word), static_cast<int>(verdict.verdict));
    return choice;
}

void VerdictDelegate::setEditorData(QWidget *editor, const QModelIndex &index) const {
    if (auto *choice = qobject_cast<QComboBox *>(editor))
        choice->setCurrentIndex(choice->findData(index.data(Qt::EditRole)));
    else
        QStyledItemDelegate::setEditorData(editor, index);
}

void VerdictDelegate::setModelData(QWidget *editor, QAbstractItemModel *model,
                                   const QModelIndex &index) const {
    if (auto *choice = qobject_cast<QComboBox *>(editor))
        model->setData(index, choice->currentData(), Qt::EditRole);
    else
        QStyledItemDelegate::setModelData(editor, model, index);
}

} // namespace liftcalc
