#include "formats/SendTrans_NongHyupMember.h"

#include "core/BankCodes.h"
#include "core/Cp949.h"
#include "core/TextRoutines.h"
#include "formats/NongHyupAccounts.h"
#include "formats/NongHyupCheck.h"
#include "formats/NongHyupMemberLayout.h"
#include "formats/NongHyupWriter.h"

namespace selvane {
namespace {

[[noreturn]] void NoCheckValue(const std::string& why, const TBatchRecipient& recipient) {
  throw TSendFileError("검증값을 만들 수 없습니다: " + why + ": " + recipient.Name + " " +
                       recipient.BankId + " " + recipient.BankNo);
}

std::uint64_t WholeNumber(std::string_view text, const char* what,
                          const TBatchRecipient& recipient) {
  // 18 digits stay within the range of the sums.
  if (!IsAllDigits(text) || text.size() > 18) NoCheckValue(what, recipient);
  return std::stoull(std::string(text));
}

// The check character: the account's character at the position of its trimmed length, the last
// one for an account without leading blanks.
std::uint64_t CheckCharacter(const std::string& account, const TBatchRecipient& recipient) {
  const std::size_t length = Trim(account).size();
  if (length == 0) NoCheckValue("계좌번호가 없습니다", recipient);
  return WholeNumber(std::string_view(account).substr(length - 1, 1),
                     "계좌번호의 검증 문자가 숫자가 아닙니다", recipient);
}

class TMemberWriter : public TNongHyupWriter {
 protected:
  void ResetCounters() override {
    TNongHyupWriter::ResetCounters();
    checkSum_ = pendingCheck_ = 0;
  }

  void WriteHeader(const TBatch& batch) override {
    const TBatchOrder& order = batch.Order;
    RefuseLongCorcode(order, kMemberCorcodeWidth);
    TMemberHeaderValues values;
    values.BankID = ToCp949(order.BankID);
    values.To_date = order.To_date.Format("yymmdd");
    values.Corcode = ToCp949(order.Corcode);
    values.BankNo = ToCp949(order.BankNo);
    PutRecord(WriteRecord(kMemberHeader, values));
    day_ = static_cast<std::uint64_t>(order.To_date.Day);
  }

  std::string DataRecord(const TBatchOrder&, const TBatchRecipient& recipient,
                         int sequence) override {
    const std::string account = MemberFormatAccount(recipient.BankId, recipient.BankNo);
    const std::uint64_t checkCharacter = CheckCharacter(account, recipient);
    const std::uint64_t amount =
        WholeNumber(recipient.Monecy.ToText(), "이체금액이 정수가 아닙니다", recipient);
    std::uint64_t s = day_ + amount;
    if (IsNongHyupCentral(recipient.BankId) || IsNongHyupMember(recipient.BankId)) {
      s += checkCharacter;
      pendingCheck_ = checkCharacter;
    } else {
      pendingCheck_ = WholeNumber(recipient.BankId, "은행코드가 숫자가 아닙니다", recipient);
    }
    TMemberDataValues values;
    values.Sequence = std::to_string(sequence);
    values.BankId = ToCp949(recipient.BankId);
    values.BankNo = account;
    values.Monecy = recipient.Monecy.ToText();
    values.CheckValue = std::to_string(MemberRecordCheck(s));
    values.JaGubun = std::to_string(recipient.JaGubun);
    values.prtText = ToCp949(recipient.prtText);
    return WriteRecord(kMemberData, values);
  }

  void DataWritten(const TBatchRecipient&) override { checkSum_ += pendingCheck_; }

  void WriteEnd(const TBatch&) override {
    const auto count = static_cast<std::uint64_t>(dataCount_);
    const auto totalWon = static_cast<std::uint64_t>(total_.Units() / TMoney::kScale);
    TMemberEndValues values;
    values.DataCount = std::to_string(dataCount_);
    values.TotalSum = total_.ToText();
    values.MemberCount = std::to_string(member_.Count);
    values.MemberSum = member_.Total.ToText();
    values.CentralCount = std::to_string(central_.Count);
    values.CentralSum = central_.Total.ToText();
    values.OtherCount = std::to_string(other_.Count);
    values.OtherSum = other_.Total.ToText();
    values.CheckValue =
        std::to_string(MemberBatchCheck(checkSum_ + count + totalWon, count + 1111));
    PutRecord(WriteRecord(kMemberEnd, values));
  }

 private:
  std::uint64_t day_ = 0;           // of the payment date, as the header carries it
  std::uint64_t checkSum_ = 0;      // the check accumulator over the records written
  std::uint64_t pendingCheck_ = 0;  // the part of the record being written
};

}  // namespace

TBatchResult SendTrans_NongHyupMember(const TBatch& batch, IExchangeView& view) {
  TMemberWriter writer;
  return writer.WriteBatch(batch, view);
}

}  // namespace selvane
