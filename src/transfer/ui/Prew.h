// The selection window of the payment statement ("선택출력"): the dong and the item, which of
// their recipients to list, and "출력", which writes the unpaid list file and shows the report
// in a print preview, from which it goes to any printer or into a PDF file.
#pragma once

#include <QDialog>
#include <string>

#include "core/DM.h"
#include "transfer/PaymentStatement.h"

class QComboBox;
class QGroupBox;
class QPushButton;
class QRadioButton;

namespace selvane {

class TFrmPrew : public QDialog {
  Q_OBJECT

 public:
  explicit TFrmPrew(TDModule& dm, QWidget* parent = nullptr);

  QComboBox* CmbDong;  // "전체동", then the dongs in code order
  QComboBox* CmbItem;
  QGroupBox* RadioGroup1;
  QRadioButton* Choices[kPrintChoiceCount];
  QPushButton* BtnPrint;
  QPushButton* BtnClose;

  // The codes looked up when a field was left or at the last print; kept between prints.
  std::string DongCode;
  std::string ItemCode;

  TPrintChoice Choice() const;
  void CmbDongExit();
  void CmbItemExit();
  void BtnPrintClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  TDModule& dm_;
};

// The report of the statement in a print preview, modal over parent; false after an error box
// when the report cannot be drawn.
bool ShowStatementPreview(const TPaymentStatement& statement, QWidget* parent);

}  // namespace selvane
