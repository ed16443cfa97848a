// The read-only grid of a window over one table: its rows come from a TTableGridModel, and it
// follows the table's current row both ways. A row the user makes current is reported to the
// window (which moves the table when its mode allows); Reload and ShowCurrentRow redraw and
// select the table's row without reporting it back.
#pragma once

#include <QTableView>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/ui/TableGridModel.h"

namespace selvane {

class TTableGridView : public QTableView {
 public:
  TTableGridView(TTable& table, std::vector<TGridColumn> columns, const char* name,
                 QAbstractItemView::SelectionMode selection, QWidget* parent);

  TTableGridModel& Model() { return *model_; }

  // The user made another grid row current: the table row it shows.
  std::function<void(std::int64_t rowId)> OnRowPicked;

  // Reads the rows again (after a post, a delete, a filter change); nothing is reported.
  void Reload();
  // Makes the table's current row the grid's current one; nothing when the table has no current
  // row or it is not listed.
  void ShowCurrentRow();

 private:
  TTable& table_;
  TTableGridModel* model_;
  bool following_ = false;
};

}  // namespace selvane
