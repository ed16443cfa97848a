#include "reference/ui/BankCode.h"

namespace selvane {

TFrmBankCode::TFrmBankCode(TDModule& dm, QWidget* parent)
    : TCodeTableForm(dm, dm.TB_Bank, QStringLiteral("코드설정 - 은행"), parent) {
  setObjectName("FrmBankCode");
  AddTextField(QStringLiteral("코드"), "BankID");
  AddTextField(QStringLiteral("은행명"), "BankNM");
  AddGridColumn(QStringLiteral("코드"), "BankID");
  AddGridColumn(QStringLiteral("은행명"), "BankNM");
  resize(420, 420);
  FormCreate();
}

}  // namespace selvane
