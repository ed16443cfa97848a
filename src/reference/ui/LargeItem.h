// The benefit item window.
#pragma once

#include "reference/ui/CodeTableForm.h"

namespace selvane {

inline constexpr const char* kItemCodeLengthMessage = "코드는 반드시  2자리 입력하여야 합니다.";

class TFrmLargeitm : public TCodeTableForm {
  Q_OBJECT

 public:
  TFrmLargeitm(TDModule& dm, QWidget* parent = nullptr);

  QLineEdit* DBEdit1;

  // The code field was left: a short code takes the focus back.
  void DBEdit1Exit();
};

}  // namespace selvane
