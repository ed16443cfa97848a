// The dong window: the administrative offices and, for the office "0000", its user ID on the
// EDI network.
#pragma once

#include "reference/ui/CodeTableForm.h"

namespace selvane {

inline constexpr const char* kDongCodeLengthMessage = "코드는 반드시  4자리 입력하여야 합니다.";

class TFrmDong : public TCodeTableForm {
  Q_OBJECT

 public:
  TFrmDong(TDModule& dm, QWidget* parent = nullptr);

  QLineEdit* DBEdit1;
  QWidget* PanelQorex;

  // The code field was left.
  void DBEdit1Exit();
  void DBGrid1CellClick();

 protected:
  void GridRowChanged() override { DBGrid1CellClick(); }
};

}  // namespace selvane
