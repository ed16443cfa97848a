#include "transfer/PaymentStatement.h"

#include <stdexcept>

#include "core/Cp949.h"
#include "core/FileRoutines.h"
#include "core/Globals.h"
#include "core/TextRoutines.h"
#include "transfer/TextFileLines.h"

namespace selvane {

const char* const kPrintChoiceNames[kPrintChoiceCount] = {
    "모든자료 전체",
    "선택 동,항목 전체자료",
    "선택 동,항목 이체자료",
    "선택 동,항목 불능자료",
    "선택동",
    "선택항목",
};

namespace {

std::string FirstValue(TDModule& dm, const std::string& sql, const std::string& name) {
  dm.Qry1.Close();
  dm.Qry1.SetSql(sql);
  dm.Qry1.Open({TValue(name)});
  std::string code = dm.Qry1.Eof() ? std::string() : dm.Qry1.Field(0).AsString();
  dm.Qry1.Close();
  return code;
}

// The condition of a choice and its bound values.
struct TCondition {
  std::string Where;
  std::vector<TValue> Params;
};

TCondition ConditionOf(TPrintChoice choice, const std::string& dong, const std::string& item) {
  const bool allDongs = dong == kAllDongsCode;
  auto dongAndItem = [&](const char* tail) -> TCondition {
    if (allDongs) return {std::string("s.LargeitmId = ?1") + tail, {TValue(item)}};
    return {std::string("s.DongId = ?1 AND s.LargeitmId = ?2") + tail,
            {TValue(dong), TValue(item)}};
  };
  switch (choice) {
    case TPrintChoice::DongItemAll:
      return dongAndItem("");
    case TPrintChoice::DongItemPaid:
      return dongAndItem(" AND s.Result = '0000'");
    case TPrintChoice::DongItemUnpaid:
      return dongAndItem(" AND (s.Result <> '0000' OR s.Result IS NULL)");
    case TPrintChoice::Dong:
      return {"s.DongId = ?1", {TValue(dong)}};
    case TPrintChoice::AllData:
    case TPrintChoice::Item:
      break;
  }
  return {"s.LargeitmId = ?1", {TValue(item)}};
}

// CP949 bytes of the text, cut at a whole character to at most width bytes, blank-filled.
std::string TextField(const std::string& utf8, int width) {
  std::string bytes = ToCp949(utf8);
  bytes.resize(Cp949WholePrefix(bytes, static_cast<std::size_t>(width)));
  return FixText(bytes, width, true);
}

constexpr int kAccountWidth = 15;
constexpr int kAmountWidth = 9;
constexpr int kResidentWidth = 13;

}  // namespace

std::string DongCodeOf(TDModule& dm, const std::string& shownName) {
  if (shownName == kAllDongsName) return kAllDongsCode;
  return FirstValue(dm, "SELECT dongID\nFROM TBManager\nWHERE DongNm = :DongNm", shownName);
}

std::string ItemCodeOf(TDModule& dm, const std::string& shownName) {
  return FirstValue(dm, "SELECT largeitmID\nFROM TBLargeItem\nWHERE LargeItmNm = :LargeItmNm",
                    shownName);
}

void TStatementTotals::Add(const TStatementRow& row) {
  ++Count;
  Amount += row.Monecy;
  if (row.Paid()) {
    ++PaidCount;
    PaidAmount += row.Monecy;
  } else {
    ++UnpaidCount;
    UnpaidAmount += row.Monecy;
  }
}

std::vector<TStatementRow> SelectStatementRows(TDModule& dm, TPrintChoice choice,
                                               const std::string& dongCode,
                                               const std::string& itemCode) {
  TCondition condition = ConditionOf(choice, dongCode, itemCode);
  TQuery QryPrint(dm.Database);
  QryPrint.SetSql(
      "SELECT s.Name, s.Jumin, s.BankId, s.BankNo, s.Monecy, s.Result, b.BankNM, r.Result_NM\n"
      "FROM TBTransSub s\n"
      "LEFT JOIN TBBank b ON b.BankID = s.BankId\n"
      "LEFT JOIN TBResultCd r ON r.BankID = s.BankId AND r.ResultCd = s.Result\n"
      "WHERE " +
      condition.Where + "\nORDER BY s.KigwanId, s.DongId, s.LargeitmId, s.BankId, s.BankNo");
  QryPrint.Open(condition.Params);
  std::vector<TStatementRow> rows;
  rows.reserve(static_cast<std::size_t>(QryPrint.RecordCount()));
  for (QryPrint.First(); !QryPrint.Eof(); QryPrint.Next()) {
    TStatementRow row;
    row.Name = QryPrint.Field(0).AsString();
    row.Jumin = QryPrint.Field(1).AsString();
    row.BankId = QryPrint.Field(2).AsString();
    row.BankNo = QryPrint.Field(3).AsString();
    row.Monecy = QryPrint.Field(4).AsMoney();
    row.Result = QryPrint.Field(5).AsString();
    row.BankName = CutToCp949Width(QryPrint.Field(6).AsString(), 25);
    row.ResultName = CutToCp949Width(QryPrint.Field(7).AsString(), 20);
    rows.push_back(std::move(row));
  }
  return rows;
}

std::string StatementHeading(TPrintChoice choice, const std::string& dongName,
                             const std::string& itemName) {
  if (choice == TPrintChoice::AllData) return "전체";
  return Trim(dongName) + "-" + Trim(itemName);
}

std::string UnpaidListFileName(const std::string& dongName, const std::string& itemName) {
  return ExeDir + SafeFileNamePart(dongName + itemName) + "Error.Txt";
}

std::string UnpaidListLine(const TStatementRow& row) {
  std::string account = ToCp949(RemoveChar(row.BankNo, '-'));
  std::string amount = row.Monecy.ToText();
  if (static_cast<int>(account.size()) > kAccountWidth ||
      static_cast<int>(amount.size()) > kAmountWidth)
    return std::string();
  return ToCp949(row.BankId) + " " + FixText(account, kAccountWidth, true) + " " +
         FixNumber(amount, kAmountWidth, false) + " " +
         TextField(RemoveChar(row.Jumin, '-'), kResidentWidth) + " " + ToCp949(row.Name);
}

TStatementOutcome PreparePaymentStatement(TDModule& dm, TPrintChoice choice,
                                          const std::string& dongName,
                                          const std::string& itemName) {
  TStatementOutcome outcome;
  outcome.UnpaidFile = UnpaidListFileName(dongName, itemName);
  outcome.DongCode = DongCodeOf(dm, dongName);
  outcome.ItemCode = ItemCodeOf(dm, itemName);
  if (outcome.DongCode.empty() || outcome.ItemCode.empty()) {
    outcome.End = TStatementOutcome::TEnd::MissingCodes;
    outcome.Message = kChooseDongAndItem;
    return outcome;
  }

  TPaymentStatement& statement = outcome.Statement;
  statement.Rows = SelectStatementRows(dm, choice, outcome.DongCode, outcome.ItemCode);
  std::string bytes;
  std::string leftOut;
  try {
    for (const TStatementRow& row : statement.Rows) {
      statement.Totals.Add(row);
      if (row.Paid()) continue;
      std::string line = UnpaidListLine(row);
      if (line.empty()) {
        leftOut +=
            "\r" + row.Name + " " + row.BankId + " " + row.BankNo + " " + row.Monecy.ToText();
        continue;
      }
      bytes += line + "\r\n";
    }
  } catch (const TEncodingError& error) {
    outcome.End = TStatementOutcome::TEnd::WriteFailed;
    outcome.Message =
        "미지급 목록 파일을 쓸 수 없습니다: " + outcome.UnpaidFile + "\r" + error.what();
    return outcome;
  }
  std::string reason;
  if (!ReplaceFileAtomically(outcome.UnpaidFile, bytes, reason)) {
    outcome.End = TStatementOutcome::TEnd::WriteFailed;
    outcome.Message = "미지급 목록 파일을 쓸 수 없습니다: " + outcome.UnpaidFile + "\r" + reason;
    return outcome;
  }
  if (!leftOut.empty())
    outcome.Warning =
        "계좌번호(15자리) 또는 금액(9자리)이 길어 미지급 목록 파일에 넣지 못한 자료입니다. "
        "지급내역서에는 있습니다:" +
        leftOut;

  statement.Heading = StatementHeading(choice, dongName, itemName);
  if (statement.Rows.empty()) {
    outcome.End = TStatementOutcome::TEnd::NoData;
    outcome.Message = kNoMatchingData;
    return outcome;
  }
  outcome.End = TStatementOutcome::TEnd::Ready;
  return outcome;
}

}  // namespace selvane
