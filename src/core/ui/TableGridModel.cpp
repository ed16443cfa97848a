#include "core/ui/TableGridModel.h"

#include <algorithm>

namespace selvane {

TTableGridModel::TTableGridModel(TTable& table, std::vector<TGridColumn> columns, QObject* parent)
    : QAbstractTableModel(parent), table_(table), columns_(std::move(columns)) {}

void TTableGridModel::AddColumn(TGridColumn column) {
  beginResetModel();
  columns_.push_back(std::move(column));
  cache_.clear();
  fieldIndexes_.clear();
  rowIds_.clear();
  endResetModel();
}

void TTableGridModel::Reload() {
  beginResetModel();
  cache_.clear();
  fieldIndexes_.clear();
  rowIds_.clear();
  if (table_.Active()) {
    for (const auto& column : columns_) fieldIndexes_.push_back(*table_.FieldIndex(column.Field));
    rowIds_ = table_.RowIds();
  }
  endResetModel();
}

int TTableGridModel::RowOf(std::int64_t rowId) const {
  // Row ids are listed in key order, not id order: search them all.
  auto it = std::find(rowIds_.begin(), rowIds_.end(), rowId);
  return it == rowIds_.end() ? -1 : static_cast<int>(it - rowIds_.begin());
}

std::int64_t TTableGridModel::RowIdAt(int row) const {
  return row >= 0 && row < static_cast<int>(rowIds_.size()) ? rowIds_[static_cast<std::size_t>(row)]
                                                            : 0;
}

int TTableGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(rowIds_.size());
}

int TTableGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

const TRowData& TTableGridModel::Row(int row) const {
  std::int64_t id = rowIds_[static_cast<std::size_t>(row)];
  auto it = cache_.find(id);
  if (it == cache_.end()) {
    if (cache_.size() > 2000) cache_.clear();
    it = cache_.emplace(id, table_.ReadRow(id)).first;
  }
  return it->second;
}

QVariant TTableGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || fieldIndexes_.empty()) return {};
  const TGridColumn& column = columns_[static_cast<std::size_t>(index.column())];
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(column.Align);
  if (role != Qt::DisplayRole) return {};
  const TRowData& row = Row(index.row());
  const TValue& value = row.Values[fieldIndexes_[static_cast<std::size_t>(index.column())]];
  if (column.Thousands) return MoneyText(value);
  return QString::fromStdString(value.AsString());
}

QVariant TTableGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  return columns_[static_cast<std::size_t>(section)].Title;
}

QString MoneyText(const TValue& value) {
  if (value.IsNull()) return QString();
  return QString::fromStdString(value.AsMoney().ToGroupedText());
}

}  // namespace selvane
