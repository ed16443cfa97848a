#include "edi/ResultCreation.h"

#include "core/Clock.h"
#include "core/TransferState.h"

namespace selvane {

void TResultCreation::Begin(const TResultInstitution& institution,
                            const TCreatedOrderFields& fields) {
  institutions_.try_emplace(institution.KigwanId, TInstitutionOrders{institution, fields, {}});
}

void TResultCreation::MakeOrder(const TInstitutionOrders& orders, const std::string& item) {
  const auto date = [](const std::optional<TDate>& d) { return d ? TValue(*d) : TValue(); };
  dm_.Database.Execute(
      "INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, TotalSum, ECount, Recv_date, Bcode, "
      "Corcode, SendName, RecvName, Bigo, BankNo, BankID, A_Date, To_date, State, KigwanName, "
      "LocalBank) "
      "SELECT KigwanID, '', ?3, 0, 0, ?4, BCode, CorCode, SendName, RecvName, ?5, ?6, ?7, ?8, ?9, "
      "?10, KiGwanName, LocalBank FROM KiGwan WHERE KigwanID = ?1 AND KiGwanName = ?2",
      {TValue(orders.Institution.KigwanId), TValue(orders.Institution.KiGwanName), TValue(item),
       TValue(Today()), TValue(kCreatedOnReceive), TValue(orders.Fields.BankNo),
       TValue(orders.Fields.BankID), date(orders.Fields.A_Date), date(orders.Fields.To_date),
       TValue(static_cast<int>(Received))});
}

std::optional<std::string> TResultCreation::AddRecipient(int kigwanId, const TCreatedRecipient& r) {
  auto found = institutions_.find(kigwanId);
  if (found == institutions_.end()) return "수신시 생성 중인 기관이 아님";
  TInstitutionOrders& orders = found->second;
  if (orders.Items.count(r.LargeitmId) == 0) {
    MakeOrder(orders, r.LargeitmId);
    orders.Items.insert(r.LargeitmId);
  }
  // The recipient table holds one account once per order.
  TStatement& find = dm_.Database.Prepare(
      "SELECT 1 FROM TBTransSub WHERE KigwanId = ?1 AND DongId = '' AND LargeitmId = ?2 AND "
      "BankId = ?3 AND BankNo = ?4 LIMIT 1");
  find.Bind({TValue(kigwanId), TValue(r.LargeitmId), TValue(r.BankId), TValue(r.BankNo)});
  const bool twice = find.Step();
  find.Reset();
  if (twice) return "같은 계좌가 이미 생성됨: " + r.BankId + " " + r.BankNo;

  dm_.Database.Execute(
      "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, "
      "State, Result, Recv_date) VALUES (?1, '', ?2, ?3, ?4, ?5, ?6, ?7, ?8, ?9)",
      {TValue(kigwanId), TValue(r.LargeitmId), TValue(r.BankId), TValue(r.BankNo), TValue(r.Jumin),
       TValue(r.Monecy), TValue(static_cast<int>(Received)), TValue(r.Result), TValue(Today())});
  dm_.Database.Execute(
      "UPDATE TBTrans SET ECount = ECount + 1, TotalSum = TotalSum + ?3 "
      "WHERE KigwanId = ?1 AND DongID = '' AND LargeItmID = ?2",
      {TValue(kigwanId), TValue(r.LargeitmId), TValue(r.Monecy)});
  return std::nullopt;
}

}  // namespace selvane
