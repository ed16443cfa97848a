#include "formats/SendTrans_NongHyup.h"

#include "core/Cp949.h"
#include "formats/NongHyupAccounts.h"
#include "formats/NongHyupCentralLayout.h"
#include "formats/NongHyupWriter.h"
#include "formats/Send_Standard.h"

namespace selvane {
namespace {

class TCentralWriter : public TNongHyupWriter {
 protected:
  void WriteHeader(const TBatch& batch) override {
    const TBatchOrder& order = batch.Order;
    RefuseLongCorcode(order, kCentralCorcodeWidth);
    TCentralHeaderValues values;
    values.BankID = ToCp949(order.BankID);
    values.Corcode = ToCp949(order.Corcode);
    values.To_date = order.To_date.Format("yymmdd");
    values.A_Date = order.A_Date.Format("yymmdd");
    PutRecord(WriteRecord(kCentralHeader, values));
  }

  std::string DataRecord(const TBatchOrder& order, const TBatchRecipient& recipient,
                         int sequence) override {
    TCentralDataValues values;
    values.Corcode = ToCp949(order.Corcode);
    values.JaGubun = std::to_string(recipient.JaGubun);
    values.BankId = ToCp949(recipient.BankId);
    values.BankNo = CentralFormatAccount(recipient.BankId, recipient.BankNo);
    values.Sequence = std::to_string(sequence);
    values.Monecy = recipient.Monecy.ToText();
    values.Jumin = DigitsOf(recipient.Jumin);
    values.prtText = ToCp949(recipient.prtText);
    values.PayDate = order.To_date.Format("yymmdd");
    return WriteRecord(kCentralData, values);
  }

  void WriteEnd(const TBatch& batch) override {
    TCentralEndValues values;
    values.Corcode = ToCp949(batch.Order.Corcode);
    values.RecordCount = std::to_string(dataCount_ + 2);
    values.TotalSum = total_.ToText();
    values.CentralCount = std::to_string(central_.Count);
    values.CentralSum = central_.Total.ToText();
    values.MemberCount = std::to_string(member_.Count);
    values.MemberSum = member_.Total.ToText();
    values.OtherCount = std::to_string(other_.Count);
    values.OtherSum = other_.Total.ToText();
    PutRecord(WriteRecord(kCentralEnd, values));
  }
};

}  // namespace

TBatchResult SendTrans_NongHyup(const TBatch& batch, IExchangeView& view) {
  TCentralWriter writer;
  return writer.WriteBatch(batch, view);
}

}  // namespace selvane
