#include "formats/Recv_Standard.h"

#include <filesystem>
#include <fstream>
#include <optional>

#include "core/Cp949.h"
#include "core/TextRoutines.h"
#include "edi/ResultStore.h"
#include "formats/StandardLayout.h"

namespace selvane {
namespace {

// A whole number of the record, 0 when the field is not one (blanks around it allowed).
int FieldInteger(std::string_view field) {
  std::string text = Trim(field);
  if (!IsAllDigits(text)) return 0;
  return std::stoi(text);
}

std::string UpperFileName(const std::string& fileName) {
  std::string name = std::filesystem::path(fileName).filename().string();
  for (char& c : name)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return name;
}

class TStandardReader {
 public:
  TStandardReader(const std::string& fileName, TDModule& dm, IExchangeView& view)
      : store_(dm), view_(view), fileName_(UpperFileName(fileName)) {}

  void Header(std::string_view record, int recordNo) {
    std::string bankId, corCode;
    selected_.reset();
    waiting_ = true;
    if (!Decode(ReadField(kStandardHeader, "BankID", record), bankId) ||
        !Decode(Trim(ReadField(kStandardHeader, "Corcode", record)), corCode)) {
      Skip(recordNo, record, "CP949로 읽을 수 없는 기관 정보");
      return;
    }
    selected_ = store_.FindInstitution(bankId, corCode);
    if (!selected_) {
      Skip(recordNo, record, "등록된 기관이 아님: " + bankId + " " + corCode);
      return;
    }
    waiting_ = store_.HasSentOrder(selected_->KigwanId);
  }

  void Data(std::string_view record, int recordNo) {
    if (!waiting_) {
      Skip(recordNo, record, "결과를 기다리는 이체가 없는 기관");
      return;
    }
    std::string bankId, account, result;
    if (!Decode(ReadField(kStandardData, "BankId", record), bankId) ||
        !Decode(Trim(ReadField(kStandardData, "BankNo", record)), account) ||
        !Decode(ReadField(kStandardData, "Result", record), result)) {
      Skip(recordNo, record, "CP949로 읽을 수 없는 계좌 정보");
      return;
    }
    TMoney amount = TextToMoney(ReadField(kStandardData, "Monecy", record));
    TMoney second = TextToMoney(ReadField(kStandardData, "Monecy2", record));
    if (second != amount) amount += second;
    std::string accountNo = TResultStore::StoredAccountNo(bankId, account);
    if (store_.ApplyRecipientResult(bankId, accountNo, amount, result)) {
      ++report_.Applied;
    } else {
      Skip(recordNo, record,
           "일치하는 송신완료 수신자 없음: " + bankId + " " + accountNo + " " + amount.ToText());
    }
  }

  void End(std::string_view record) {
    if (selected_ && waiting_) store_.MarkOrdersReceived(selected_->KigwanId);
    AddLine(FieldInteger(ReadField(kStandardEndTotals, "DataCount", record)));
  }

  // After the last block: a file of an institution without a waiting order is still listed.
  void Finish() {
    if (!waiting_ && !listed_) AddLine(-1);
  }

  void Skip(int recordNo, std::string_view record, std::string reason) {
    report_.Skipped.push_back({recordNo, record.empty() ? '\0' : record[0], std::move(reason)});
  }

  TResultReport& Report() { return report_; }

 private:
  static bool Decode(std::string_view cp949, std::string& utf8) {
    return TryFromCp949(cp949, utf8);
  }

  void AddLine(int count) {
    view_.AddListLine({selected_ ? selected_->KiGwanName : std::string(), fileName_,
                       waiting_ ? rkFundsTransfer : rkNoWaitingOrder, count});
    listed_ = true;
  }

  TResultStore store_;
  IExchangeView& view_;
  std::string fileName_;
  std::optional<TResultInstitution> selected_;
  bool waiting_ = true;  // false: the selected institution has no sent order
  bool listed_ = false;
  TResultReport report_;
};

}  // namespace

TResultReport Recv_Standard(const std::string& fileName, TDModule& dm, IExchangeView& view) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) return {};
  TStandardReader reader(fileName, dm, view);
  reader.Report().Opened = true;
  std::string block(kStandardResultBlock, '\0');
  for (int recordNo = 1;; ++recordNo) {
    file.read(block.data(), kStandardResultBlock);
    std::size_t got = static_cast<std::size_t>(file.gcount());
    if (got < block.size()) {
      if (got > 0)
        reader.Skip(recordNo, std::string_view(block).substr(0, got), "80바이트가 안 되는 끝부분");
      break;
    }
    std::string_view record(block);
    switch (record[0]) {
      case 'S':
        reader.Header(record, recordNo);
        break;
      case 'D':
        reader.Data(record, recordNo);
        break;
      case 'E':
        reader.End(record);
        break;
      default:
        reader.Skip(recordNo, record, "알 수 없는 레코드 종류");
    }
  }
  reader.Finish();
  return std::move(reader.Report());
}

}  // namespace selvane
