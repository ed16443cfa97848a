// The bank window.
#pragma once

#include "reference/ui/CodeTableForm.h"

namespace selvane {

class TFrmBankCode : public TCodeTableForm {
  Q_OBJECT

 public:
  TFrmBankCode(TDModule& dm, QWidget* parent = nullptr);
};

}  // namespace selvane
