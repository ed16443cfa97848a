#include "transfer/FixedRecipientImport.h"

#include <vector>

#include "core/Cp949.h"
#include "core/TextRoutines.h"
#include "core/TransferState.h"
#include "core/WaitMsg.h"
#include "transfer/FundCategory.h"
#include "transfer/NumberChecks.h"
#include "transfer/OrderRecipients.h"
#include "transfer/TextFileLines.h"

namespace selvane {
namespace {

const char* const kMergedBankMessage =
    "은행코드 21,26은 조흥/신한은행 통합으로 88로 자동으로 바뀌었습니다.";

// The fields of one line, as bytes and as screen text.
struct TLineFields {
  std::string Bank;      // 1-2
  std::string Account;   // 4-23
  std::string Stored;    // 4-18
  std::string Amount;    // 25-33
  std::string Resident;  // 35-47
  std::string Name;      // 49-68

  explicit TLineFields(const std::string& line)
      : Bank(BytesAt(line, 1, 2)),
        Account(BytesAt(line, 4, 20)),
        Stored(BytesAt(line, 4, 15)),
        Amount(BytesAt(line, 25, 9)),
        Resident(BytesAt(line, 35, 13)),
        Name(BytesAt(line, 49, 20)) {}

  // The fields joined by single blanks, as the error list and the duplicate message show them.
  std::string Joined() const {
    return FromCp949Field(Bank) + " " + FromCp949Field(Account) + " " + FromCp949Field(Amount) +
           " " + FromCp949Field(Resident) + " " + FromCp949Field(Name);
  }
};

// A resident number field the check can read: 13 characters, digits or blanks, not all blank.
bool ResidentReadable(const std::string& field) {
  if (field.size() != 13) return false;
  bool digit = false;
  for (char c : field) {
    if (c >= '0' && c <= '9') {
      digit = true;
    } else if (c != ' ') {
      return false;
    }
  }
  return digit;
}

// The amount as a decimal integer with blanks around it.
std::optional<TMoney> ReadAmount(const std::string& field) {
  std::string text = Trim(field);
  std::string digits =
      (!text.empty() && (text[0] == '-' || text[0] == '+')) ? text.substr(1) : text;
  if (!IsAllDigits(digits) || digits.size() > 15) return std::nullopt;
  return TMoney::Parse(text);
}

void RemoveRows(TDModule& dm, const std::vector<std::int64_t>& rows) {
  for (auto row : rows)
    dm.Database.Execute("DELETE FROM TBTransSub WHERE rowid = ?1", {TValue(row)});
}

}  // namespace

std::string ImportErrorFileName(const std::string& dongName, const std::string& itemName) {
  return ExeDir + SafeFileNamePart(dongName) + "_" + SafeFileNamePart(itemName) + ".txt";
}

TFixedImportOutcome ImportFixedPositionFile(TDModule& dm, const TFixedImportRequest& request,
                                            const std::string& fileName) {
  TFixedImportOutcome outcome;
  std::vector<std::string> lines;
  try {
    lines = SplitLines(ReadFileBytes(fileName));
  } catch (const std::exception& error) {
    ErrorBox(error.what());
    return outcome;
  }
  for (std::size_t i = 0; i < lines.size(); ++i) {
    std::string text;
    if (!TryFromCp949(lines[i], text)) {
      ErrorBox(std::to_string(i + 1) +
               "번째 줄에 CP949 문자가 아닌 바이트가 있어 불러올 수 없습니다.\r" + fileName);
      return outcome;
    }
  }

  const bool fundApplies = FundCategoryApplies(request.OrderBank);
  const bool nongHyupOrder = request.OrderBank == "11" || request.OrderBank == "12";
  std::vector<std::string> errors;
  std::vector<std::int64_t> inserted;
  bool bankChanged = false;
  TTable& recipients = dm.TB_TransSub;

  // Stops the import and removes what it inserted, so that the list is as it was.
  auto stop = [&](const std::string& message) {
    if (recipients.State() != TDataSetState::Browse) recipients.Cancel();
    RemoveRows(dm, inserted);
    dm.CommitAllTables();
    FilterOrderRecipients(dm, request.Order);
    ErrorBox(message);
    outcome = TFixedImportOutcome();
    return outcome;
  };

  ShowWaitProgress("자료를 불러오는 중입니다.", 0, static_cast<int>(lines.size()), true);
  try {
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string lineNo = std::to_string(i + 1);
      TLineFields f(lines[i]);
      std::string bank = FromCp949Field(f.Bank);
      if (nongHyupOrder && bank == "06")
        errors.push_back(bank +
                         "    은행코드 에러. 주택은행코드는 농협에서 사용하지 않습니다. "
                         "국민코드로 변경해주세요.");

      if (!ResidentReadable(f.Resident))
        return stop(lineNo +
                    "번째 줄의 주민번호(35-47)를 읽을 수 없어 불러오기를 중단했습니다: \"" +
                    FromCp949Field(f.Resident) + "\"");
      bool accountOk = NumGuardIsValid(bank, FromCp949Field(f.Account));
      bool residentOk = ResidentNoValid(f.Resident);
      std::string joined = f.Joined();
      if (!accountOk && residentOk) errors.push_back(joined + "   계좌번호 에러");
      if (!residentOk && accountOk) errors.push_back(joined + "   주민번호 에러");
      if (!residentOk && !accountOk) errors.push_back(joined + "  계좌번호 및 주민번호 에러");

      auto amount = ReadAmount(f.Amount);
      if (!amount)
        return stop(lineNo + "번째 줄의 금액(25-33)을 읽을 수 없어 불러오기를 중단했습니다: \"" +
                    FromCp949Field(f.Amount) + "\"");

      recipients.Append();
      recipients.FieldByName("KigwanId").Set(request.Order.KigwanId);
      recipients.FieldByName("DongId").Set(request.Order.DongId);
      recipients.FieldByName("LargeitmId").Set(request.Order.LargeItmId);
      std::string storedBank = bank;
      if (bank == "21" || bank == "26") {
        storedBank = "88";
        bankChanged = true;
      }
      recipients.FieldByName("BankId").Set(storedBank);
      recipients.FieldByName("BankNo").Set(
          HyphenateAccountNo(bank, Trim(FromCp949Field(f.Stored))));
      recipients.FieldByName("Monecy").Set(*amount);
      recipients.FieldByName("Jumin").Set(f.Resident.substr(0, 6) + "-" + f.Resident.substr(6, 7));
      recipients.FieldByName("Name").Set(FromCp949Field(f.Name));
      recipients.FieldByName("State").Set(static_cast<int>(Waiting));
      if (fundApplies && request.FundChoice) {
        if (auto value = FundCategoryValue(request.OrderBank, *request.FundChoice))
          recipients.FieldByName("JaGubun").Set(*value);
      }
      try {
        recipients.Post();
      } catch (const TKeyViolation&) {
        recipients.Cancel();
        CloseWait();
        MessageBox(TMsgKind::Error, joined + "  2번이상존재 데이타 삭제요망 ", " 입력오류");
        RemoveRows(dm, inserted);
        dm.CommitAllTables();
        FilterOrderRecipients(dm, request.Order);
        outcome.End = TFixedImportOutcome::TEnd::DuplicateUndone;
        return outcome;
      }
      inserted.push_back(recipients.RowId());
      StepWaitProgress();
    }
  } catch (const std::exception& error) {
    return stop(error.what());
  }
  CloseWait();
  dm.CommitAllTables();
  outcome.Inserted = static_cast<int>(inserted.size());
  outcome.ErrorLines = static_cast<int>(errors.size());

  if (!errors.empty())
    WarningBox("대상자중 에러가 있습니다.\r" + request.DongName + "_" + request.ItemName +
               "File보고 수정하세요");
  outcome.ErrorFile = ImportErrorFileName(request.DongName, request.ItemName);
  try {
    WriteCp949Lines(outcome.ErrorFile, errors);
  } catch (const std::exception& error) {
    ErrorBox(error.what());
  }
  if (bankChanged) InfoBox(kMergedBankMessage);
  outcome.End = TFixedImportOutcome::TEnd::Completed;
  FilterOrderRecipients(dm, request.Order);
  return outcome;
}

}  // namespace selvane
