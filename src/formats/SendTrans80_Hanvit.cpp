#include "formats/SendTrans80_Hanvit.h"

#include "core/TextRoutines.h"
#include "formats/Send_Standard.h"

namespace selvane {
namespace {

inline constexpr auto kHanvitEnd =
    JoinLayouts(kStandardEndTotals, TRecordLayout<TStandardEndValues, 2>{{
                                        {69, 6, TFill::Number, &TStandardEndValues::CheckValue},
                                        {75, 4, TFill::Filler},
                                    }});
static_assert(LayoutWidth(kHanvitEnd) == 78);

class THanvitWriter : public TStandardWriter {
 protected:
  void ResetCounters() override {
    TStandardWriter::ResetCounters();
    accountSum_ = amountSum_ = 0;
  }

  void DataWritten(const std::string& record, const TBatchRecipient& recipient) override {
    // The account sum runs over the digits fitted to 15 with zeros on the right.
    accountSum_ += DigitSum(FixNumber(DigitsOf(recipient.BankNo), 15, true));
    amountSum_ += DigitSum(ReadField(kStandardData, &TStandardDataValues::Monecy, record));
  }

  void WriteEnd(const TBatch&) override {
    TStandardEndValues values = EndValues();
    values.CheckValue = HanvitCheckValue(accountSum_, amountSum_);
    PutRecord(WriteRecord(kHanvitEnd, values));
  }

 private:
  long long accountSum_ = 0;
  long long amountSum_ = 0;
};

}  // namespace

std::string HanvitCheckValue(long long accountSum, long long amountSum) {
  if (amountSum == 0) throw TSendFileError("검증값을 만들 수 없습니다: 이체 금액의 합이 0입니다.");
  return FixNumber(std::to_string(accountSum % amountSum % 1000000), 6, false);
}

TBatchResult SendTrans80_Hanvit(const TBatch& batch, IExchangeView& view) {
  THanvitWriter writer;
  return writer.WriteBatch(batch, view);
}

}  // namespace selvane
