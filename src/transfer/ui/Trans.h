// The order window: every transfer order, new and edit, delete of the marked
// orders with their recipients, the held-back / waiting switch, and the
// recipient list of the current order.
#pragma once

#include <QDialog>

#include "core/DM.h"
#include "transfer/OrderEditing.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QTableView;
class QToolBar;
class QToolButton;

namespace selvane {

class TTableGridModel;

class TFrmTrans : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmTrans(TDModule& dm, QWidget* parent = nullptr);
  ~TFrmTrans() override;

  QToolBar* ToolBar;
  QToolButton* BtnInsert;
  QToolButton* BtnEdit;
  QToolButton* BtnDelete;
  QToolButton* BtnTrans;
  QToolButton* BtnSave;
  QToolButton* BtnCancel;
  QToolButton* BtnExit;
  QComboBox* Edit1;  // institution
  QComboBox* Edit3;  // dong
  QComboBox* Edit2;  // item
  QDateEdit* Edate1;
  QDateEdit* EDate2;
  QLineEdit* Edit4;
  QTableView* DBGrid1;

  TEditMode Mode() const { return mode_; }
  TTableGridModel& GridModel() { return *model_; }

  void FormCreate();
  void FormActivate();
  void BtnInsertClick(QToolButton* sender);
  void BtnSaveClick();
  void BtnCancelClick();
  void BtnDeleteClick();
  void BtnTransClick();
  void DBGrid1DblClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void SetMode(TEditMode mode);
  void DataSource1DataChange();
  void LoadFields();
  void StoreFields();
  void FillLookups();
  void ReloadGrid();
  void FocusField(TOrderField field);

  TDModule& dm_;
  TTableGridModel* model_;
  TEditMode mode_ = TEditMode::Browse;
  bool loading_ = false;
  bool activated_ = false;
};

// The order window as the main window opens it: modal, destroyed when it
// closes.
void ShowTransferOrders(TDModule& dm, QWidget* parent);

}  // namespace selvane
