#include "formats/SendTrans_KiUp.h"

#include "core/Cp949.h"
#include "core/TransferState.h"
#include "formats/IndustrialLayout.h"
#include "formats/OwnBankOnly.h"
#include "formats/Send_Standard.h"

namespace selvane {
namespace {

class TIndustrialWriter : public TBatchWriter {
 protected:
  void ResetCounters() override {
    dataCount_ = 0;
    total_ = TMoney();
    ownBank_.Reset();
  }

  void WriteHeader(const TBatch& batch) override {
    const TBatchOrder& order = batch.Order;
    TIndustrialHeaderValues values;
    values.BankID = ToCp949(order.BankID);
    values.PayMonthDay = order.To_date.Format("mmdd");
    values.BankNo = DigitsOf(order.BankNo);
    values.BankID2 = values.BankID;
    PutRecord(WriteRecord(kIndustrialHeader, values));
  }

  bool WriteData(const TBatch&, const TBatchRecipient& recipient) override {
    if (recipient.State != Waiting || !ownBank_.Carries(recipient)) return false;
    TIndustrialDataValues values;
    values.BankId = ToCp949(recipient.BankId);
    // Numbered over the records written: a held-back recipient takes no number.
    values.Sequence = std::to_string(dataCount_ + 1);
    values.BankNo = DigitsOf(recipient.BankNo);
    values.Monecy = recipient.Monecy.ToText();
    values.Jumin = DigitsOf(recipient.Jumin);
    PutRecord(WriteRecord(kIndustrialData, values));
    ++dataCount_;
    total_ += recipient.Monecy;
    return true;
  }

  void WriteEnd(const TBatch& batch) override {
    TIndustrialEndValues values;
    values.BankID = ToCp949(batch.Order.BankID);
    values.DataCount = std::to_string(dataCount_);
    values.TotalSum = total_.ToText();
    PutRecord(WriteRecord(kIndustrialEnd, values));
  }

  std::vector<std::string> BatchWarnings(const TBatch& batch) const override {
    return ownBank_.Warnings(batch);
  }

 private:
  int dataCount_ = 0;
  TMoney total_;
  TOwnBankOnly ownBank_{kIndustrialOwnBank, "기업은행"};
};

}  // namespace

TBatchResult SendTrans_KiUp(const TBatch& batch, IExchangeView& view) {
  TIndustrialWriter writer;
  return writer.WriteBatch(batch, view);
}

}  // namespace selvane
