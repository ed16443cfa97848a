// The frame the order, recipient and layout windows share: one table of the data module in a
// browse mode and an edit mode, its grid, the first showing as the window's activation, and a
// close that never posts a row left in editing.
#pragma once

#include <QDialog>
#include <functional>

#include "core/DM.h"
#include "transfer/OrderEditing.h"

class QToolBar;
class QToolButton;
class QVBoxLayout;

namespace selvane {

class TTableGridModel;
class TTableGridView;

class TTableWindow : public QDialog {
  Q_OBJECT

 public:
  QToolBar* ToolBar;

  TEditMode Mode() const { return mode_; }
  TTableGridModel& GridModel();

  // Cancel, enabled while a row is in editing: the row discarded, back in browse mode.
  virtual void BtnCancelClick();

 protected:
  // The window named for the tests, with its caption; its layout starts with the tool bar.
  TTableWindow(TDModule& dm, TTable& table, const char* name, const QString& caption,
               QWidget* parent);
  ~TTableWindow() override;

  // Insert and edit share a handler that tells them apart by the button's tag (insert 1, edit 2).
  virtual void BtnInsertClick(QToolButton* sender) = 0;
  virtual void BtnDeleteClick() = 0;

  // A button at the end of the tool bar with its text and its click handler, named for the tests.
  QToolButton* AddToolButton(const char* text, const char* name, std::function<void()> click);
  // The insert, edit and delete buttons that open the tool bar.
  void AddRecordButtons(QToolButton*& insert, QToolButton*& edit, QToolButton*& remove);

  // Run once, in this order, when the window is first shown.
  virtual void FormShow() {}
  virtual void FormActivate() = 0;
  virtual void SetMode(TEditMode mode) = 0;
  // Shows the table's current row in the fields.
  virtual void LoadFields() = 0;

  // The grid of the table's rows (made by the window, which places it): a row picked in it
  // becomes the table's current row while the window browses, a double click runs doubleClick.
  void SetGrid(TTableGridView* grid, std::function<void()> doubleClick = nullptr);
  // Reads the grid again and shows the current row, in the grid and in the fields.
  void ReloadGrid();
  // After the table changed (a save, a delete, an import): the grid read again, back in browse
  // mode.
  void ShowChanges();
  // Reads the grid again with the table's current row kept, back in browse mode.
  void ReloadKeepingRow();
  // A double click on the current row in browse mode: the state switch (which asks first), then
  // the grid read again with the row kept. Nothing without a current row or while editing.
  void SwitchCurrentRow(const std::function<bool(TDModule&)>& switcher);
  // A row left in editing is discarded and the table stops notifying this window.
  void ReleaseTable();

  void showEvent(QShowEvent* event) override;
  // Closes after ReleaseTable.
  void done(int result) override;

  TDModule& dm_;
  QVBoxLayout* layout_;
  TEditMode mode_ = TEditMode::Browse;
  // Set while the window itself fills its fields, so that their change handlers keep still.
  bool loading_ = false;

 private:
  TTable& table_;
  TTableGridView* grid_ = nullptr;
  bool activated_ = false;
};

}  // namespace selvane
