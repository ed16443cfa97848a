#include "reference/ui/KiGwan.h"

#include <QComboBox>
#include <QLineEdit>

#include "reference/KigwanRules.h"

namespace selvane {

TFrmKigwan::TFrmKigwan(TDModule& dm, QWidget* parent)
    : TCodeTableForm(dm, dm.TB_Kigwan, QStringLiteral("이용자코드"), parent) {
  setObjectName("FrmKigwan");
  AddTextField(QStringLiteral("기관명"), "KiGwanName");
  AddTextField(QStringLiteral("비밀번호"), "Pass");
  AddLookupField(QStringLiteral("은 행 명"), "BankID", dm.TB_Bank, "BankID", "BankNM");
  AddTextField(QStringLiteral("계좌번호"), "BankNo");
  // DBEdit4 to DBEdit8: the letters of these codes are upper-cased as they are typed.
  AddTextField(QStringLiteral("지점번호"), "LocalBank", 0, true);
  AddTextField(QStringLiteral("사용자번호"), "CorCode", 0, true);
  AddTextField(QStringLiteral("은행ID"), "BCode", 7, true);
  AddTextField(QStringLiteral("송신파일명"), "SendName", 5, true);
  AddTextField(QStringLiteral("수신파일명"), "RecvName", 5, true);
  PlaceField("CorCode", 0, 2);
  PlaceField("BCode", 1, 2);
  PlaceField("SendName", 2, 2);
  PlaceField("RecvName", 3, 2);

  AddGridColumn(QStringLiteral("기관명"), "KiGwanName");
  AddGridColumn(QStringLiteral("은행명"), "BankName");
  AddGridColumn(QStringLiteral("계좌 번호"), "BankNo");
  AddGridColumn(QStringLiteral("송신명"), "SendName");
  AddGridColumn(QStringLiteral("수신명"), "RecvName");

  Editor().OnNewRow = [this](TTable& table) {
    table.FieldByName("KigwanID").Set(NewKigwanId(dm_.QryCount));
  };
  Editor().OnValidate = [this](TTable& table) {
    return CheckKigwanRow(table, [this](const std::string& column) { FocusColumn(column); });
  };
  resize(720, 460);
  FormCreate();
}

}  // namespace selvane
