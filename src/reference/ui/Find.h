// The recipient search window: by bank and account number, or by resident number. It searches
// the table it is given and leaves it on the row found.
#pragma once

#include <QDialog>
#include <string>

#include "core/DM.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace selvane {

class TFrmFind : public QDialog {
  Q_OBJECT

 public:
  TFrmFind(TDModule& dm, TTable& searched, QWidget* parent = nullptr);

  QTabWidget* PageControl1;
  QComboBox* CmbBank;
  QLineEdit* EdtAccount;
  QPushButton* BtnSearch1;
  QPushButton* BtnClose1;
  QLineEdit* EdtJumin;
  QPushButton* BtnSearch2;
  QPushButton* BtnClose2;

  void FormCreate();
  void CmbBankExit();
  void EdtAccountExit();
  void EdtJuminExit();
  void BtnSearchClick();

  const std::string& BankCode() const { return bankCode_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TDModule& dm_;
  TTable& searched_;
  std::string bankCode_;
  std::string account_;
  std::string residentNo_;
};

}  // namespace selvane
