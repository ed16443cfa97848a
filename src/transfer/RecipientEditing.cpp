#include "transfer/RecipientEditing.h"

#include "core/Globals.h"
#include "core/TextRoutines.h"
#include "core/TransferState.h"
#include "core/WaitMsg.h"
#include "transfer/NumberChecks.h"
#include "transfer/OrderRecipients.h"

namespace selvane {
namespace {

bool NongHyupOrder(const std::string& bank) {
  return bank == "11" || bank == "12";
}

bool KnownBank(TDModule& dm, const std::string& code) {
  dm.QryCount.Close();
  dm.QryCount.SetSql("SELECT Count(*) Cnt FROM TBBank WHERE BankID = :BankID");
  dm.QryCount.Open({TValue(code)});
  return dm.QryCount.FieldByName("Cnt").AsInteger() > 0;
}

// Characters, not bytes, of a UTF-8 text.
std::size_t Characters(const std::string& text) {
  std::size_t count = 0;
  for (unsigned char c : text)
    if ((c & 0xC0) != 0x80) ++count;
  return count;
}

}  // namespace

TRecipientButtons RecipientButtons(TEditMode mode, bool empty, long long state) {
  TRecipientButtons b;
  if (mode == TEditMode::Edit) {
    b.Save = b.Cancel = b.Fields = true;
    // The conversion button follows only the current row's state.
    b.Convert = state < Sent;
    return b;
  }
  b.Grid = true;
  bool open = state < Sent;
  b.Insert = b.Open = b.Convert = open;
  b.Edit = b.Delete = open && !empty;
  return b;
}

TRecipientSaveResult SaveRecipient(TDModule& dm, const TRecipientEntry& entry) {
  TTable& sub = dm.TB_TransSub;
  if (Characters(RemoveChar(entry.ResidentText, '-')) != 13) {
    InfoBox("주민번호를 제대로 입력하여주세요");
    return {false, TRecipientField::Resident};
  }
  std::string bank = sub.FieldByName("BankId").AsString();
  if (NongHyupOrder(entry.OrderBank) && bank == "06") {
    InfoBox("농협관련 주택 계좌는 국민 계좌로 입력해야 합니다.");
    return {false, TRecipientField::Bank};
  }
  if (entry.BankShown.empty()) {
    InfoBox("은행코드 항목이 누락되었습니다.");
    return {false, TRecipientField::Bank};
  }
  if (!KnownBank(dm, entry.BankCodeShown)) {
    InfoBox("등록되어 있지 않은 은행코드입니다.");
    return {false, TRecipientField::Bank};
  }
  if (bank == "21" || bank == "26") {
    bank = "88";
    sub.FieldByName("BankId").Set(bank);
    InfoBox("은행코드 21,26은 조흥/신한은행 통합으로 88로 자동으로 바뀌었습니다.    ");
  }
  std::string account = RemoveChar(sub.FieldByName("BankNo").AsString(), '-');
  if (account.empty()) {
    InfoBox("계좌번호를 입력하십시오.");
    return {false, TRecipientField::Account};
  }
  if (NumGuardIsValid(bank, account)) {
    sub.FieldByName("BankNo").Set(HyphenateAccountNo(bank, account));
  } else if (!ConfirmBox("계좌번호가 적절치 않습니다.", false)) {
    return {false, TRecipientField::Account};
  }
  // A bank pays whole won only, and never a negative amount.
  const TMoney amount = sub.FieldByName("Monecy").AsMoney();
  if (amount < TMoney() || amount.Units() % TMoney::kScale != 0) {
    InfoBox(kWholeWonOnly);
    return {false, TRecipientField::Amount};
  }
  if (!(amount > TMoney()) &&
      !ConfirmBox("이체금액은 0보다 커야 합니다.\r\r계속 진행하시겠습니까?", false))
    return {false, TRecipientField::None};
  if (!ResidentNoValid(entry.ResidentText)) {
    InfoBox("주민번호가 잘못되었습니다.");
    return {false, TRecipientField::Resident};
  }
  try {
    sub.Post();
  } catch (const TKeyViolation&) {
    MessageBox(TMsgKind::Error, kDuplicateCode, kInputErrorTitle);
    return {false, TRecipientField::Bank};
  } catch (const TDataError&) {
    MessageBox(TMsgKind::Error, "필수항목이 누락되었습니다.", kInputErrorTitle);
    return {false, TRecipientField::None};
  }
  dm.CommitAllTables();
  RecalcOrderTotals(dm);
  return {true, TRecipientField::None};
}

bool BeginRecipientEdit(TDModule& dm, bool isNew, bool buttonEnabled) {
  TTable& sub = dm.TB_TransSub;
  if (!isNew && CurrentState(sub) > Waiting) {
    InfoBox(kSentNotEditable);
    return false;
  }
  if (!buttonEnabled) return false;
  if (isNew) {
    sub.Append();
    sub.FieldByName("KigwanId").Set(CurrentOrderKey.KigwanId);
    sub.FieldByName("DongId").Set(CurrentOrderKey.DongId);
    sub.FieldByName("LargeitmId").Set(CurrentOrderKey.LargeItmId);
    sub.FieldByName("State").Set(static_cast<int>(Waiting));
  } else {
    sub.Edit();
  }
  return true;
}

bool DeleteRecipient(TDModule& dm) {
  if (dm.TB_TransSub.IsEmpty() || !ConfirmBox("삭제하시겠습니까?", false)) return false;
  dm.TB_TransSub.Delete();
  dm.CommitAllTables();
  RecalcOrderTotals(dm);
  return true;
}

bool SwitchRecipientState(TDModule& dm) {
  TTable& sub = dm.TB_TransSub;
  if (!sub.HasCurrent()) return false;
  auto state = AskStateSwitch(CurrentState(sub));
  if (!state) return false;
  sub.Edit();
  sub.FieldByName("State").Set(*state);
  sub.Post();
  dm.CommitAllTables();
  return true;
}

}  // namespace selvane
