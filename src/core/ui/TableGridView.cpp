#include "core/ui/TableGridView.h"

#include <QHeaderView>
#include <QItemSelectionModel>

namespace selvane {

TTableGridView::TTableGridView(TTable& table, std::vector<TGridColumn> columns, const char* name,
                               QAbstractItemView::SelectionMode selection, QWidget* parent)
    : QTableView(parent),
      table_(table),
      model_(new TTableGridModel(table, std::move(columns), this)) {
  setObjectName(name);
  setModel(model_);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(selection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  horizontalHeader()->setStretchLastSection(true);
  connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this](const QModelIndex& current) {
            if (following_ || !current.isValid() || !OnRowPicked) return;
            OnRowPicked(model_->RowIdAt(current.row()));
          });
}

void TTableGridView::Reload() {
  following_ = true;
  model_->Reload();
  following_ = false;
}

void TTableGridView::ShowCurrentRow() {
  if (!table_.HasCurrent()) return;
  int row = model_->RowOf(table_.RowId());
  if (row < 0 || currentIndex().row() == row) return;
  following_ = true;
  setCurrentIndex(model_->index(row, 0));
  following_ = false;
}

}  // namespace selvane
