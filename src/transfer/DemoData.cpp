#include "transfer/DemoData.h"

#include "core/Clock.h"
#include "core/EdiSettings.h"
#include "transfer/HolidayCalendar.h"
#include "transfer/NumberChecks.h"

namespace selvane {
namespace {

struct TDemoRecipient {
  const char* Account;
  const char* Jumin;
  const char* Name;
  double Monecy;
};

constexpr TDemoRecipient kRecipients[] = {
    {"12345678901", "700101-1234561", "김연습", 150000},
    {"100010000123", "800202-2345671", "이견본", 250000},
    {"55566677788", "650315-1234560", "박시험", 98000},
};

TDate NextWorkingDay(TDate day) {
  do day = day.AddDays(1);
  while (IsHoliday(day));
  return day;
}

void SetDemoLoginId() {
  TEdiConfig config = DefaultEdiConfig();
  ReadEdiSettings(config);
  if (!config.LoginID.empty()) return;
  config.LoginID = kDemoLoginId;
  WriteEdiSettings(config);
}

}  // namespace

int FillDemoData(TDModule& dm) {
  TDatabase& db = dm.Database;
  TStatement& count = db.Prepare("SELECT COUNT(*) FROM KiGwan");
  count.Step();
  const std::int64_t institutions = count.Column(0).AsInteger();
  count.Reset();
  if (institutions > 0)
    throw TDemoRefused("기관이 이미 등록되어 있어 견본 자료를 만들지 않습니다.");

  // Work on a working day, pay on the one after it.
  TDate workDay = Today();
  if (IsHoliday(workDay)) workDay = NextWorkingDay(workDay);
  const TDate payDay = NextWorkingDay(workDay);
  const std::string bank = "04";
  try {
    db.BeginWrite();
    db.Execute(
        "INSERT INTO KiGwan (KigwanID, KiGwanName, BankID, BankNo, LocalBank, CorCode, Pass, "
        "SendName, RecvName, BCode) VALUES (1, ?1, ?2, ?3, '001234', 'DEMO0001', '', 'DEMOS', "
        "'DEMOR', 'KB0400')",
        {TValue(kDemoKigwanName), TValue(bank), TValue(HyphenateAccountNo(bank, "123456789012"))});
    db.Execute("INSERT OR IGNORE INTO TBManager (DongID, DongNm) VALUES ('0001', '견본동')");
    db.Execute(
        "INSERT OR IGNORE INTO TBLargeItem (LargeItmId, LargeItmNm) VALUES ('01', '견본급여')");
    double total = 0;
    for (const TDemoRecipient& r : kRecipients) {
      db.Execute(
          "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy, "
          "Name, State, JaGubun) VALUES (1, '0001', '01', ?1, ?2, ?3, ?4, ?5, 1, 0)",
          {TValue(bank), TValue(HyphenateAccountNo(bank, r.Account)), TValue(r.Jumin),
           TValue(r.Monecy), TValue(r.Name)});
      total += r.Monecy;
    }
    db.Execute(
        "INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, TotalSum, ECount, Bcode, Corcode, "
        "SendName, RecvName, BankNo, BankID, A_Date, To_date, State, KigwanName, LocalBank) "
        "SELECT KigwanID, '0001', '01', ?1, ?2, BCode, CorCode, SendName, RecvName, BankNo, "
        "BankID, ?3, ?4, 1, KiGwanName, LocalBank FROM KiGwan WHERE KigwanID = 1",
        {TValue(total), TValue(static_cast<int>(std::size(kRecipients))), TValue(workDay),
         TValue(payDay)});
    db.Commit();
  } catch (...) {
    db.Rollback();
    throw;
  }
  dm.RefreshAllTables();
  SetDemoLoginId();
  return static_cast<int>(std::size(kRecipients));
}

}  // namespace selvane
