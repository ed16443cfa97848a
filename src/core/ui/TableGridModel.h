// A read-only grid over a table object: the rows within its filter in key order, read as they
// are scrolled into view, so that a list of a hundred thousand rows opens at once.
#pragma once

#include <QAbstractTableModel>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "core/Table.h"

namespace selvane {

struct TGridColumn {
  std::string Field;
  QString Title;
  Qt::Alignment Align = Qt::AlignLeft | Qt::AlignVCenter;
  bool Thousands = false;  // money with thousands separators
};

class TTableGridModel : public QAbstractTableModel {
 public:
  TTableGridModel(TTable& table, std::vector<TGridColumn> columns, QObject* parent);

  // Adds a column at the right; the grid is empty until the next Reload.
  void AddColumn(TGridColumn column);
  // Reads the row list again (after a post, a delete, a filter change).
  void Reload();
  // The grid row of a table row, -1 when it is not listed.
  int RowOf(std::int64_t rowId) const;
  std::int64_t RowIdAt(int row) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  const TRowData& Row(int row) const;

  TTable& table_;
  std::vector<TGridColumn> columns_;
  std::vector<std::size_t> fieldIndexes_;
  std::vector<std::int64_t> rowIds_;
  mutable std::map<std::int64_t, TRowData> cache_;
};

// Money as the grids show it: whole won with thousands separators.
QString MoneyText(const TValue& value);

}  // namespace selvane
