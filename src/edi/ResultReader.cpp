#include "edi/ResultReader.h"

#include <filesystem>

#include "core/Cp949.h"
#include "core/TextRoutines.h"

namespace selvane {
namespace {

std::string UpperFileName(const std::string& fileName) {
  std::string name = std::filesystem::path(fileName).filename().string();
  for (char& c : name)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return name;
}

}  // namespace

TResultReader::TResultReader(const std::string& fileName, TDModule& dm)
    : store_(dm), fileName_(UpperFileName(fileName)) {
  report_.Opened = true;
}

void TResultReader::Header(int recordNo, std::string_view record, const std::string& bankId,
                           const std::string& code, TInstitutionCode which) {
  Select(store_.FindInstitution(bankId, code, which), recordNo, record,
         "등록된 기관이 아님: " + bankId + " " + code);
}

void TResultReader::HeaderFields(int recordNo, std::string_view record, std::string_view bankField,
                                 std::string_view corCodeField) {
  std::string bankId, corCode;
  if (!TryFromCp949(bankField, bankId) || !TryFromCp949(Trim(corCodeField), corCode)) {
    Select(std::nullopt, recordNo, record, "CP949로 읽을 수 없는 기관 정보");
    return;
  }
  Header(recordNo, record, bankId, corCode);
}

void TResultReader::Select(const std::optional<TResultInstitution>& institution, int recordNo,
                           std::string_view record, const std::string& noneReason) {
  lastWasEnd_ = false;
  groupApplied_ = groupSkipped_ = 0;
  selected_ = institution;
  waiting_ = selected_ && (waitingInFile_.count(selected_->KigwanId) > 0 ||
                           store_.HasSentOrder(selected_->KigwanId));
  if (waiting_) waitingInFile_.insert(selected_->KigwanId);
  if (!selected_) Skip(recordNo, record, noneReason);
  if (selected_) report_.Institution = selected_->KiGwanName;
}

bool TResultReader::CanApply(int recordNo, std::string_view record) {
  ++report_.DataRecords;
  if (!selected_) {
    Skip(recordNo, record, "기관이 선택되지 않은 레코드");
    return false;
  }
  if (!waiting_) {
    Skip(recordNo, record, "결과를 기다리는 이체가 없는 기관");
    return false;
  }
  return true;
}

bool TResultReader::Apply(const std::string& bankId, const std::string& accountNo, TMoney amount,
                          const std::string& result, const std::optional<std::string>& largeitmId) {
  return selected_ && waiting_ &&
         store_.ApplyRecipientResult(selected_->KigwanId, bankId, accountNo, amount, result,
                                     largeitmId);
}

void TResultReader::Applied(bool applied, int recordNo, std::string_view record,
                            const std::string& missReason) {
  if (!applied) {
    Skip(recordNo, record, missReason);
    return;
  }
  lastWasEnd_ = false;
  ++groupApplied_;
  ++report_.Applied;
}

bool TResultReader::DataFields(int recordNo, std::string_view record, std::string_view bankField,
                               std::string_view accountField, std::string_view resultField,
                               std::string& bankId, std::string& account, std::string& result) {
  if (TryFromCp949(bankField, bankId) && TryFromCp949(Trim(accountField), account) &&
      TryFromCp949(resultField, result))
    return true;
  if (CanApply(recordNo, record))
    Applied(false, recordNo, record, "CP949로 읽을 수 없는 계좌 정보");
  return false;
}

void TResultReader::Data(int recordNo, std::string_view record, const std::string& bankId,
                         const std::string& account, TMoney amount, const std::string& result,
                         const std::optional<std::string>& largeitmId) {
  if (!CanApply(recordNo, record)) return;
  const std::string accountNo = TResultStore::StoredAccountNo(bankId, account);
  const bool applied = (largeitmId && Apply(bankId, accountNo, amount, result, largeitmId)) ||
                       Apply(bankId, accountNo, amount, result);
  Applied(applied, recordNo, record,
          "일치하는 송신완료 수신자 없음: " + bankId + " " + accountNo + " " + amount.ToText());
}

void TResultReader::DataOfAccounts(int recordNo, std::string_view record, const std::string& bankId,
                                   std::span<const std::string> accountsNo, TMoney amount,
                                   const std::string& result) {
  if (!CanApply(recordNo, record)) return;
  bool applied = false;
  for (const std::string& accountNo : accountsNo) {
    applied = Apply(bankId, accountNo, amount, result);
    if (applied) break;
  }
  Applied(applied, recordNo, record,
          "일치하는 송신완료 수신자 없음: " + bankId + " " +
              (accountsNo.empty() ? std::string() : accountsNo.front()) + " " + amount.ToText());
}

void TResultReader::HeaderNotReadable(int recordNo, std::string_view record) {
  Select(std::nullopt, recordNo, record, "CP949로 읽을 수 없는 기관 정보");
}

void TResultReader::DataNotReadable(int recordNo, std::string_view record) {
  if (CanApply(recordNo, record))
    Applied(false, recordNo, record, "CP949로 읽을 수 없는 계좌 정보");
}

void TResultReader::End(int recordNo, std::string_view record, std::optional<int> count) {
  if (!count) {
    Skip(recordNo, record, "끝 레코드의 건수를 읽을 수 없음");
    validEnds_ = false;
    return;
  }
  if (selected_ && waiting_) store_.MarkOrdersReceived(selected_->KigwanId);
  TRecvInfo line{selected_ ? selected_->KiGwanName : std::string(),
                 fileName_,
                 !selected_ ? rkNoInstitution
                 : waiting_ ? rkFundsTransfer
                            : rkNoWaitingOrder,
                 *count,
                 {}};
  if (selected_ && waiting_ && (groupApplied_ != *count || groupSkipped_ > 0)) {
    line.Note = "적용 " + std::to_string(groupApplied_) + "건";
    if (groupApplied_ != *count) line.Note += ", 끝 레코드 건수와 다름";
    if (groupSkipped_ > 0) line.Note += ", 건너뜀 " + std::to_string(groupSkipped_) + "건";
  }
  report_.Lines.push_back(std::move(line));
  groupApplied_ = groupSkipped_ = 0;
  anyEnd_ = true;
  lastWasEnd_ = true;
}

void TResultReader::EndOfWholeCount(int recordNo, std::string_view record,
                                    std::string_view countField, int besidesData) {
  const std::string count = Trim(countField);
  // No format's count has more than 9 digits; the limit keeps stoi in range.
  if (!IsAllDigits(count) || count.size() > 9)
    throw TResultFileError(fileName_ + " " + std::to_string(recordNo) +
                           "번째 레코드: 끝 레코드의 건수가 정수가 아닙니다.");
  End(recordNo, record, std::stoi(count) - besidesData);
}

void TResultReader::Skip(int recordNo, std::string_view record, std::string reason) {
  lastWasEnd_ = false;
  SkipTail(recordNo, record, std::move(reason));
}

void TResultReader::SkipTail(int recordNo, std::string_view bytes, std::string reason) {
  ++groupSkipped_;
  report_.Skipped.push_back({recordNo, bytes.empty() ? '\0' : bytes[0], std::move(reason)});
}

TResultReport TResultReader::Finish() {
  report_.Complete = anyEnd_ && validEnds_ && lastWasEnd_;
  return std::move(report_);
}

}  // namespace selvane
