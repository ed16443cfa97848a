// The result codes each bank writes into its result files, with their meanings.
#pragma once

#include "reference/ui/CodeTableForm.h"

namespace selvane {

class TFrmBankResult : public TCodeTableForm {
  Q_OBJECT

 public:
  TFrmBankResult(TDModule& dm, QWidget* parent = nullptr);
};

}  // namespace selvane
