#include "reference/ui/LargeItem.h"

#include <QLineEdit>

#include "core/WaitMsg.h"

namespace selvane {

TFrmLargeitm::TFrmLargeitm(TDModule& dm, QWidget* parent)
    : TCodeTableForm(dm, dm.TB_LargeItm, QStringLiteral("코드설정 - 항목등록"), parent) {
  setObjectName("FrmLargeitm");
  DBEdit1 = AddTextField(QStringLiteral("코드"), "LargeItmId", 2);
  AddTextField(QStringLiteral("항목명"), "LargeItmNm");
  OnFieldExit(DBEdit1, [this] { DBEdit1Exit(); });
  AddGridColumn(QStringLiteral("코드"), "LargeItmId");
  AddGridColumn(QStringLiteral("항목명"), "LargeItmNm");
  resize(420, 400);
  FormCreate();
}

void TFrmLargeitm::DBEdit1Exit() {
  if (CharCount(DBEdit1->text().toStdString()) >= 2) return;
  MessageBox(TMsgKind::Error, kItemCodeLengthMessage, kInputErrorCaption);
  DBEdit1->setFocus();
}

}  // namespace selvane
