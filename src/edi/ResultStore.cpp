#include "edi/ResultStore.h"

#include "core/Clock.h"
#include "core/TransferState.h"
#include "transfer/NumberChecks.h"

namespace selvane {

std::optional<TResultInstitution> TResultStore::FindInstitution(const std::string& bankId,
                                                                const std::string& code,
                                                                TInstitutionCode which) {
  TStatement& find = dm_.Database.Prepare(
      which == TInstitutionCode::BCode
          ? "SELECT KigwanID, KiGwanName FROM KiGwan WHERE BankID = ?1 AND BCode = ?2 "
            "ORDER BY KigwanID, KiGwanName LIMIT 1"
          : "SELECT KigwanID, KiGwanName FROM KiGwan WHERE BankID = ?1 AND CorCode = ?2 "
            "ORDER BY KigwanID, KiGwanName LIMIT 1");
  find.Bind({TValue(bankId), TValue(code)});
  std::optional<TResultInstitution> found;
  if (find.Step())
    found =
        TResultInstitution{static_cast<int>(find.Column(0).AsInteger()), find.Column(1).AsString()};
  find.Reset();
  return found;
}

bool TResultStore::HasSentOrder(int kigwanId) {
  TStatement& find =
      dm_.Database.Prepare("SELECT 1 FROM TBTrans WHERE KigwanId = ?1 AND State = ?2 LIMIT 1");
  find.Bind({TValue(kigwanId), TValue(static_cast<int>(Sent))});
  bool found = find.Step();
  find.Reset();
  return found;
}

bool TResultStore::HasAnyOrder(int kigwanId) {
  TStatement& find = dm_.Database.Prepare("SELECT 1 FROM TBTrans WHERE KigwanId = ?1 LIMIT 1");
  find.Bind({TValue(kigwanId)});
  bool found = find.Step();
  find.Reset();
  return found;
}

std::string TResultStore::StoredAccountNo(const std::string& bankId, const std::string& account) {
  if (NumGuardIsValid(bankId, account)) return HyphenateAccountNo(bankId, account);
  return account;
}

bool TResultStore::ApplyRecipientResult(int kigwanId, const std::string& bankId,
                                        const std::string& accountNo, TMoney amount,
                                        const std::string& result,
                                        const std::optional<std::string>& largeitmId) {
  // Runs on the index (BankId, BankNo, Monecy, State, KigwanId, DongId, LargeitmId): the first
  // row of the index range is the first in table order.
  TStatement& find = dm_.Database.Prepare(
      "SELECT rowid FROM TBTransSub WHERE BankId = ?1 AND BankNo = ?2 AND Monecy = ?3 AND "
      "State = ?4 AND KigwanId = ?5 AND (?6 IS NULL OR LargeitmId = ?6) "
      "ORDER BY DongId, LargeitmId LIMIT 1");
  find.Bind({TValue(bankId), TValue(accountNo), TValue(amount), TValue(static_cast<int>(Sent)),
             TValue(kigwanId), largeitmId ? TValue(*largeitmId) : TValue()});
  std::optional<std::int64_t> row;
  if (find.Step()) row = find.Column(0).AsInteger();
  find.Reset();
  if (!row) return false;
  dm_.Database.Execute(
      "UPDATE TBTransSub SET Recv_date = ?1, Result = ?2, State = ?3 WHERE rowid = ?4",
      {TValue(Today()), TValue(result), TValue(static_cast<int>(Received)), TValue(*row)});
  return true;
}

int TResultStore::MarkOrdersReceived(int kigwanId) {
  return dm_.Database.Execute(
      "UPDATE TBTrans SET Recv_date = ?1, State = ?2 WHERE KigwanId = ?3 AND State = ?4",
      {TValue(Today()), TValue(static_cast<int>(Received)), TValue(kigwanId),
       TValue(static_cast<int>(Sent))});
}

}  // namespace selvane
