// The order window: every transfer order, new and edit, delete of the marked
// orders with their recipients, the held-back / waiting switch, and the
// recipient list of the current order.
#pragma once

#include "core/DM.h"
#include "transfer/OrderEditing.h"
#include "transfer/ui/TableWindow.h"

class QComboBox;
class QDateEdit;
class QLineEdit;
class QToolButton;

namespace selvane {

class TTableGridView;

class TFrmTrans : public TTableWindow {
  Q_OBJECT

 public:
  explicit TFrmTrans(TDModule& dm, QWidget* parent = nullptr);

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
  TTableGridView* DBGrid1;

  void BtnInsertClick(QToolButton* sender) override;
  void BtnSaveClick();
  void BtnDeleteClick() override;
  void BtnTransClick();
  void DBGrid1DblClick();

 private:
  void FormCreate();
  void FormActivate() override;
  void SetMode(TEditMode mode) override;
  void LoadFields() override;
  void DataSource1DataChange();
  void StoreFields();
  void FillLookups();
  void FocusField(TOrderField field);
};

// The order window as the main window opens it: modal, destroyed when it
// closes.
void ShowTransferOrders(TDModule& dm, QWidget* parent);

}  // namespace selvane
