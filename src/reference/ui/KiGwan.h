// The institution window: the paying institutions with their account, their identifiers at the
// bank and the names of their request and result files.
#pragma once

#include "reference/ui/CodeTableForm.h"

namespace selvane {

class TFrmKigwan : public TCodeTableForm {
  Q_OBJECT

 public:
  TFrmKigwan(TDModule& dm, QWidget* parent = nullptr);
};

}  // namespace selvane
