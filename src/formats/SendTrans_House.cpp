#include "formats/SendTrans_House.h"

#include "core/Cp949.h"
#include "core/TextRoutines.h"
#include "formats/HousingLayout.h"
#include "formats/OwnBankOnly.h"
#include "formats/Send_Standard.h"

namespace selvane {
namespace {

class THousingWriter : public TStandardWriter {
 protected:
  void ResetCounters() override {
    TStandardWriter::ResetCounters();
    ownBank_.Reset();
  }

  void WriteHeader(const TBatch& batch) override {
    TStandardHeaderValues values = StandardHeaderValues(batch.Order);
    values.To_date = batch.Order.To_date.Format("mmdd");
    PutRecord(WriteRecord(kHousingHeader, values));
  }

  bool Carries(const TBatchRecipient& recipient) override { return ownBank_.Carries(recipient); }

  std::string DataRecord(const TBatchOrder& order,
                         const TBatchRecipient& recipient) const override {
    return WriteRecord(kHousingData, DataValues(order, recipient));
  }

  void WriteEnd(const TBatch&) override {
    TStandardEndValues values = EndValues();
    // The check value covers the fields as the record carries them.
    const std::string totals = WriteRecord(kStandardEndTotals, values);
    values.CheckValue = HousingCheckValue(std::string_view(totals).substr(8, 20));
    PutRecord(WriteRecord(kHousingEnd, values));
  }

  std::vector<std::string> BatchWarnings(const TBatch& batch) const override {
    return ownBank_.Warnings(batch);
  }

 private:
  TOwnBankOnly ownBank_{kHousingOwnBank, "주택은행"};
};

}  // namespace

std::string HousingCheckValue(std::string_view countAndTotal) {
  constexpr std::string_view kWeights = "31731731731731731731";
  if (countAndTotal.size() != kWeights.size() || !IsAllDigits(countAndTotal))
    throw TSendFileError("검증값을 만들 수 없습니다: 건수와 금액이 숫자 20자리가 아닙니다: " +
                         std::string(countAndTotal));
  int sums[4] = {0, 0, 0, 0};  // by position modulo 4, positions counted from 1
  for (std::size_t i = 0; i < kWeights.size(); ++i)
    sums[(i + 1) % 4] += (countAndTotal[i] - '0') * (kWeights[i] - '0');
  return std::to_string(sums[1] % 10) + std::to_string(sums[2] % 10) +
         std::to_string(sums[3] % 10) + std::to_string(sums[0] % 10);
}

TBatchResult SendTrans_House(const TBatch& batch, IExchangeView& view) {
  THousingWriter writer;
  return writer.WriteBatch(batch, view);
}

}  // namespace selvane
