// The fund-category dialog: which kind of payment a recipient file holds.
#pragma once

#include <QDialog>

class QComboBox;
class QPushButton;

namespace selvane {

inline constexpr const char* kChooseFundCategory = "자금 구분 코드를 선택하세요";

class Tfrm_Jagb : public QDialog {
  Q_OBJECT

 public:
  explicit Tfrm_Jagb(QWidget* parent = nullptr);

  QComboBox* ComboBox1;
  QPushButton* BtnOk;
  QPushButton* BtnCancel;

  // The chosen entry: 0 "급여", 1 "비급여", 2 "정부지원"; -1 for none.
  int ItemIndex() const;
  void BtnOkClick();
};

}  // namespace selvane
