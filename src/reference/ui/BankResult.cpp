#include "reference/ui/BankResult.h"

namespace selvane {

TFrmBankResult::TFrmBankResult(TDModule& dm, QWidget* parent)
    : TCodeTableForm(dm, dm.TB_ResultCd, QStringLiteral("은행별 에러코드"), parent) {
  setObjectName("FrmBankResult");
  AddTextField(QStringLiteral("은행"), "BankID");
  AddTextField(QStringLiteral("코드"), "ResultCd");
  AddTextField(QStringLiteral("코드명"), "Result_NM");
  AddGridColumn(QStringLiteral("은행"), "BankID");
  AddGridColumn(QStringLiteral("코드"), "ResultCd");
  AddGridColumn(QStringLiteral("코드명"), "Result_NM");
  resize(520, 440);
  FormCreate();
}

}  // namespace selvane
