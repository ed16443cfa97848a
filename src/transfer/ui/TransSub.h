// The recipient list of one transfer order: typed in one by one, loaded from a
// fixed-position file, converted from a file of a stored layout, searched, and
// switched between waiting and held back.
#pragma once

#include <QDialog>
#include <string>

#include "core/DM.h"
#include "transfer/RecipientEditing.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QToolButton;

namespace selvane {

class TTableGridModel;

class TFrmTransSub : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmTransSub(TDModule& dm, QWidget* parent = nullptr);
  ~TFrmTransSub() override;

  QToolButton* BtnInsert;
  QToolButton* BtnEdit;
  QToolButton* BtnDelete;
  QToolButton* BtnOpen;
  QToolButton* BtnFind;
  QToolButton* BtnSave;
  QToolButton* BtnCancel;
  QToolButton* ToolButton1;
  QToolButton* BtnExit;
  QComboBox* Edit1;  // bank name
  QLineEdit* Edit7;  // bank code
  QLineEdit* Edit2;  // account
  QLineEdit* Edit3;  // resident number
  QLineEdit* Edit4;  // name
  QLineEdit* Edit5;  // amount
  QLineEdit* Edit6;  // result
  QLabel* lbl_jaGubun;
  QComboBox* dcb_jagubun;
  QTableView* DBGrid1;

  TEditMode Mode() const { return mode_; }
  bool FundCategoryOn() const { return fundCategory_; }
  TTableGridModel& GridModel() { return *model_; }

  void FormCreate();
  void FormShow();
  void FormActivate();
  void BtnInsertClick(QToolButton* sender);
  void Edit1Change();
  void BtnSaveClick();
  void BtnCancelClick();
  void BtnDeleteClick();
  void BtnFindClick();
  void BtnOpenClick();
  void ToolButton1Click();
  void BtnExitClick();
  void DBGrid1DblClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void SetMode(TEditMode mode);
  void ButtonsByState();
  void SetUpFundCategory();
  void DataSource1DataChange();
  void LoadFields();
  void StoreFields();
  void ReloadGrid();
  void FocusField(TRecipientField field);
  std::string OrderBank();

  TDModule& dm_;
  TTableGridModel* model_;
  TEditMode mode_ = TEditMode::Browse;
  bool fundCategory_ = false;
  bool loading_ = false;
  bool activated_ = false;
};

}  // namespace selvane
