#include "transfer/ui/TableWindow.h"

#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/ui/TableGridView.h"

namespace selvane {

TTableWindow::TTableWindow(TDModule& dm, TTable& table, const char* name, const QString& caption,
                           QWidget* parent)
    : QDialog(parent), dm_(dm), layout_(new QVBoxLayout(this)), table_(table) {
  setObjectName(name);
  setWindowTitle(caption);
  ToolBar = new QToolBar(this);
  layout_->addWidget(ToolBar);
}

TTableWindow::~TTableWindow() {
  table_.OnDataChange = nullptr;
}

QToolButton* TTableWindow::AddToolButton(const char* text, const char* name,
                                         std::function<void()> click) {
  auto* button = new QToolButton(this);
  button->setObjectName(name);
  button->setText(text);
  ToolBar->addWidget(button);
  connect(button, &QToolButton::clicked, this, std::move(click));
  return button;
}

void TTableWindow::AddRecordButtons(QToolButton*& insert, QToolButton*& edit,
                                    QToolButton*& remove) {
  insert = AddToolButton("  입 력  ", "BtnInsert", [this, &insert] { BtnInsertClick(insert); });
  insert->setProperty("tag", 1);
  edit = AddToolButton("수 정", "BtnEdit", [this, &edit] { BtnInsertClick(edit); });
  edit->setProperty("tag", 2);
  remove = AddToolButton("삭 제", "BtnDelete", [this] { BtnDeleteClick(); });
}

TTableGridModel& TTableWindow::GridModel() {
  return grid_->Model();
}

void TTableWindow::SetGrid(TTableGridView* grid, std::function<void()> doubleClick) {
  grid_ = grid;
  grid_->OnRowPicked = [this](std::int64_t rowId) {
    if (!loading_ && mode_ == TEditMode::Browse) table_.GotoRowId(rowId);
  };
  if (doubleClick) connect(grid_, &QTableView::doubleClicked, this, std::move(doubleClick));
}

void TTableWindow::ReloadGrid() {
  grid_->Reload();
  if (mode_ == TEditMode::Browse) grid_->ShowCurrentRow();
  LoadFields();
}

void TTableWindow::ShowChanges() {
  mode_ = TEditMode::Browse;
  ReloadGrid();
  SetMode(TEditMode::Browse);
}

void TTableWindow::BtnCancelClick() {
  if (mode_ != TEditMode::Edit) return;
  table_.Cancel();
  SetMode(TEditMode::Browse);
}

void TTableWindow::ReloadKeepingRow() {
  std::int64_t row = table_.RowId();
  ReloadGrid();
  table_.GotoRowId(row);
  SetMode(TEditMode::Browse);
}

void TTableWindow::SwitchCurrentRow(const std::function<bool(TDModule&)>& switcher) {
  if (mode_ != TEditMode::Browse || !table_.HasCurrent()) return;
  std::int64_t row = table_.RowId();
  if (!switcher(dm_)) return;
  ReloadGrid();
  table_.GotoRowId(row);
  SetMode(TEditMode::Browse);
}

void TTableWindow::ReleaseTable() {
  if (mode_ == TEditMode::Edit) {
    table_.Cancel();
    mode_ = TEditMode::Browse;
  }
  table_.OnDataChange = nullptr;
}

void TTableWindow::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (activated_) return;
  activated_ = true;
  FormShow();
  FormActivate();
}

void TTableWindow::done(int result) {
  ReleaseTable();
  QDialog::done(result);
}

}  // namespace selvane
