#include "transfer/LayoutConversion.h"

#include <stdexcept>

#include "core/Cp949.h"
#include "core/TextRoutines.h"
#include "core/TransferState.h"
#include "core/WaitMsg.h"
#include "transfer/FundCategory.h"
#include "transfer/NumberChecks.h"
#include "transfer/TextFileLines.h"

namespace selvane {
namespace {

bool NongHyupOrder(const std::string& bank) {
  return bank == "11" || bank == "12";
}

std::vector<std::string> ReadRecords(const std::string& fileName, int reLen, std::size_t limit,
                                     std::size_t maxRecords) {
  if (reLen < 0)
    throw std::runtime_error("레코드 길이가 적절하지 않습니다: " + std::to_string(reLen));
  if (static_cast<std::size_t>(reLen) > limit)
    throw std::runtime_error("레코드 길이 " + std::to_string(reLen) + "는 " +
                             std::to_string(limit) + " 바이트를 넘을 수 없습니다.");
  std::string bytes = ReadFileBytes(fileName);
  std::string text;
  if (!TryFromCp949(bytes, text))
    throw std::runtime_error("CP949 텍스트 파일이 아닙니다: " + fileName);
  std::vector<std::string> records;
  if (reLen > 0) {
    records = SplitRecords(bytes, static_cast<std::size_t>(reLen), maxRecords);
  } else {
    records = SplitLines(bytes);
    if (maxRecords != 0 && records.size() > maxRecords) records.resize(maxRecords);
    for (std::size_t i = 0; i < records.size(); ++i)
      if (records[i].size() > limit)
        throw std::runtime_error(std::to_string(i + 1) + "번째 줄이 " + std::to_string(limit) +
                                 " 바이트보다 길어 읽을 수 없습니다.");
  }
  return records;
}

bool IsBlank(const std::string& record) {
  return Trim(record).empty();
}

}  // namespace

TLayout CurrentLayout(TTable& cath) {
  TLayout layout;
  layout.Name = cath.FieldByName("Name").AsString();
  layout.ReLen = static_cast<int>(cath.FieldByName("ReLen").AsInteger());
  const auto& fields = cath.Fields();
  for (std::size_t item = 0; item < layout.Spans.size(); ++item) {
    std::size_t start = 3 + item * 2;
    if (start + 1 >= fields.size()) break;
    layout.Spans[item].Start = static_cast<int>(cath.FieldByName(fields[start].Name).AsInteger());
    layout.Spans[item].Size =
        static_cast<int>(cath.FieldByName(fields[start + 1].Name).AsInteger());
  }
  return layout;
}

std::vector<std::string> ReadConversionRecords(const std::string& fileName, int reLen) {
  auto records = ReadRecords(fileName, reLen, kMaxConversionRecord, 0);
  std::erase_if(records, IsBlank);
  return records;
}

std::vector<std::string> ReadSampleRecords(const std::string& fileName, int reLen) {
  auto records = ReadRecords(fileName, reLen, kMaxSampleRecord, 5);
  if (records.empty()) records.emplace_back();
  return records;
}

std::string LayoutItem(const std::string& record, const TLayoutSpan& span) {
  if (span.Start < 1 || span.Size < 1) return std::string();
  return BytesAt(record, static_cast<std::size_t>(span.Start), static_cast<std::size_t>(span.Size));
}

TConversionOutcome ConvertRecipientFile(TDModule& dm, const TConversionRequest& request,
                                        const std::string& fileName) {
  TConversionOutcome outcome;
  const bool nongHyup = NongHyupOrder(request.OrderBank);
  if (nongHyup &&
      (!request.FundChoice || !FundCategoryValue(request.OrderBank, *request.FundChoice))) {
    InfoBox("자금구분을 선택하신후에 하십시오.");
    return outcome;
  }
  ShowWait("자료 변환 처리 준비중입니다.");
  std::vector<std::string> records;
  try {
    records = ReadConversionRecords(fileName, request.Layout.ReLen);
  } catch (const std::exception& error) {
    ErrorBox(error.what());
    return outcome;
  }
  ShowWaitProgress("자료 변환 처리중...", 0, static_cast<int>(records.size()), true);

  TTable& recipients = dm.TB_TransSub;
  bool bankChanged = false;
  const auto& spans = request.Layout.Spans;
  auto item = [&](const std::string& record, TLayoutItem which) {
    return Trim(FromCp949Field(LayoutItem(record, spans[which])));
  };
  auto refuse = [&](const std::string& message) {
    recipients.Cancel();
    InfoBox(message);
  };
  auto bankName = [&](const std::string& code) -> std::optional<std::string> {
    TStatement& s = dm.Database.Prepare("SELECT BankNM FROM TBBank WHERE BankID = ?1");
    s.Bind({TValue(code)});
    std::optional<std::string> name;
    if (s.Step()) name = s.Column(0).AsString();
    s.Reset();
    return name;
  };

  bool completed = true;
  for (const auto& record : records) {
    recipients.Append();
    recipients.FieldByName("KigwanId").Set(request.Order.KigwanId);
    recipients.FieldByName("DongId").Set(request.Order.DongId);
    recipients.FieldByName("LargeitmId").Set(request.Order.LargeItmId);
    recipients.FieldByName("State").Set(static_cast<int>(Waiting));

    std::string bank = item(record, liBank);
    if (bank.empty()) {
      refuse("은행코드가 누락되었습니다.");
      completed = false;
      break;
    }
    if (bank.size() == 1) bank = "0" + bank;
    if (bank == "21" || bank == "26") {
      bank = "88";
      bankChanged = true;
    }
    auto name = bankName(bank);
    if (!name) {
      refuse(bank == "88" ? "신규 신한 은행코드[88]를 입력해 주십시오! "
                          : "\"" + bank + "\"는 등록되어 있지 않은 은행코드 데이타입니다.");
      completed = false;
      break;
    }
    if (nongHyup && bank == "06") {
      refuse("\"" + bank +
             "\"는 주택 코드로서 농협에서는 사용하지 않습니다.국민코드로 변경해주세요");
      completed = false;
      break;
    }
    recipients.FieldByName("BankId").Set(bank);

    std::string account = RemoveChar(item(record, liAccount), '-');
    if (account.empty()) {
      refuse("계좌번호가 누락되었습니다.");
      completed = false;
      break;
    }
    if (!IsAllDigits(account)) {
      refuse("\"" + account + "\"는 적절하지 않은 계좌번호 데이타입니다.");
      completed = false;
      break;
    }
    if (NumGuardIsValid(bank, account)) {
      account = HyphenateAccountNo(bank, account);
    } else if (!ConfirmBox("계좌번호 오류입니다. 계속 진행하시겠습니까 ?\r\r은행코드 : " + *name +
                               " (" + bank + ")\r계좌번호 : " + account,
                           false)) {
      recipients.Cancel();
      completed = false;
      break;
    }
    recipients.FieldByName("BankNo").Set(account);

    std::string amountText = RemoveChar(RemoveChar(item(record, liAmount), ','), '\\');
    auto amount = TMoney::Parse(amountText);
    if (!amount) {
      refuse("\"" + amountText + "\"는 적절하지 않은 이체금액 데이타입니다.");
      completed = false;
      break;
    }
    recipients.FieldByName("Monecy").Set(*amount);
    recipients.FieldByName("Jumin").Set(item(record, liResident));
    recipients.FieldByName("Name").Set(item(record, liName));
    if (nongHyup)
      recipients.FieldByName("JaGubun").Set(
          *FundCategoryValue(request.OrderBank, *request.FundChoice));

    try {
      recipients.Post();
    } catch (const std::exception&) {
      recipients.Cancel();
      ErrorBox("자료 변환 처리에 실패했습니다.");
      completed = false;
      break;
    }
    ++outcome.Converted;
    StepWaitProgress();
  }

  InfoBox("총 " + std::to_string(outcome.Converted) + " 건의 자료가 변환되었습니다.");
  recipients.First();
  dm.CommitAllTables();
  CloseWait();
  if (bankChanged) InfoBox("은행코드 21,26은 조흥/신한은행 통합으로 88로 자동으로 바뀌었습니다.");
  outcome.Completed = completed;
  return outcome;
}

}  // namespace selvane
