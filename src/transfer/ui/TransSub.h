// The recipient list of one transfer order: typed in one by one, loaded from a
// fixed-position file, converted from a file of a stored layout, searched, and
// switched between waiting and held back.
#pragma once

#include <string>

#include "core/DM.h"
#include "transfer/RecipientEditing.h"
#include "transfer/ui/TableWindow.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QToolButton;

namespace selvane {

class TTableGridView;

class TFrmTransSub : public TTableWindow {
  Q_OBJECT

 public:
  explicit TFrmTransSub(TDModule& dm, QWidget* parent = nullptr);

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
  TTableGridView* DBGrid1;

  bool FundCategoryOn() const { return fundCategory_; }
  void BtnInsertClick(QToolButton* sender) override;
  void Edit1Change();
  void BtnSaveClick();
  void BtnDeleteClick() override;
  void BtnFindClick();
  void BtnOpenClick();
  void ToolButton1Click();
  void BtnExitClick();
  void DBGrid1DblClick();

 protected:
  void done(int result) override;

 private:
  void FormCreate();
  void FormShow() override;
  void FormActivate() override;
  void SetMode(TEditMode mode) override;
  void LoadFields() override;
  void ButtonsByState();
  void SetUpFundCategory();
  void DataSource1DataChange();
  void StoreFields();
  void FocusField(TRecipientField field);
  std::string OrderBank();

  bool fundCategory_ = false;
};

}  // namespace selvane
