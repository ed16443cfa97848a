#include "core/PreSendCheck.h"

#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/WaitMsg.h"

namespace selvane {
namespace {

std::int64_t Count(TDModule& dm, const std::string& sql, const std::vector<TValue>& params) {
  TQuery query(dm.Database);
  query.SetSql(sql);
  query.Open(params);
  return query.FieldByName("Cnt").AsInteger();
}

const char* const kJoin = " FROM TBTrans a, KiGwan b WHERE b.KiGwanId = a.KiGwanId";

bool IndustrialBankCheck(TDModule& dm) {
  std::int64_t waiting = Count(
      dm, std::string("SELECT Count(*) AS Cnt") + kJoin + " AND a.State = 1 AND b.BankId = '03'",
      {});
  if (waiting > 0 && Now().TimeText() > "160000") {
    InfoBox(
        "기업은행의 경우 송신제한시간이 오후 4시00분입니다.\r\n송신제한시간 이내에 송신해 주시기 "
        "바랍니다.");
    return false;
  }
  return true;
}

bool NongHyupCheck(TDModule& dm, const std::string& bank) {
  const bool central = bank == "11";
  if (Now().TimeText() > (central ? "143000" : "153000")) {
    std::int64_t dueToday = Count(dm,
                                  std::string("SELECT Count(*) AS Cnt") + kJoin +
                                      " AND a.To_Date = ?1 AND a.State = 1 AND b.BankId = ?2",
                                  {TValue(Today()), TValue(bank)});
    if (dueToday > 0) {
      InfoBox(central ? "자금이체 정보에 당일수납이체 데이타가 존재 합니다. \r\n농협중앙회는 "
                        "당일이체시 오후 2시30분까지 송신 가능하므로 데이타를 삭제 또는 수정후 "
                        "송신하십시오"
                      : "자금이체 정보에 당일지급이체 데이타가 존재 합니다. \r\n농협중앙회는 "
                        "당일이체시 오후 3시30분까지 송신 가능하므로 데이타를 삭제 또는 수정후 "
                        "송신하십시오");
      return false;
    }
  }

  // Payment dates of the waiting orders that a sent order of the same bank already has.
  TQuery dates(dm.Database);
  dates.SetSql(std::string("SELECT DISTINCT a.To_Date AS DateIche") + kJoin +
               " AND a.State = 1 AND b.BankId = ?1 AND a.To_Date IS NOT NULL");
  dates.Open({TValue(bank)});
  if (dates.Eof()) return true;
  std::vector<TValue> params{TValue(bank)};
  std::string list;
  for (; !dates.Eof(); dates.Next()) {
    params.push_back(dates.FieldByName("DateIche"));
    list += (list.empty() ? "?" : ", ?") + std::to_string(params.size());
  }
  std::int64_t sent =
      Count(dm,
            std::string("SELECT Count(*) AS Cnt") + kJoin +
                " AND b.BankId = ?1 AND a.State = 2 AND a.To_Date IN (" + list + ")",
            params);
  if (sent == 0) return true;
  return YesNoBox(
      "동일한 일자에 대해, 동일한 기관코드로 여러건의 이체를 신청할 경우 \r\n\r\n맨 마지막에 "
      "신청(전송)한 자료만 이체처리가 되니 \r\n\r\n반드시 해당내용을 확인 후 처리하시기 "
      "바랍니다.\r\n\r\n\r\n    예(Y) : [송신대기]상태인 이체자료의 전송을 계속 진행합니다. "
      "\r\n\r\n    아니오(N) : [송신대기]상태인 이체자료의 전송을 중단합니다. ",
      "[주의] 농협: 동일한 이체일로 송신된 이체자료 확인필요", true);
}

}  // namespace

bool PreSendCheck(TDModule& dm, int bank) {
  switch (bank) {
    case 3:
      return IndustrialBankCheck(dm);
    case 11:
      return NongHyupCheck(dm, "11");
    case 12:
      return NongHyupCheck(dm, "12");
    default:
      return true;
  }
}

bool PreSendChecks(TDModule& dm) {
  return PreSendCheck(dm, 3) && PreSendCheck(dm, 11) && PreSendCheck(dm, 12);
}

}  // namespace selvane
