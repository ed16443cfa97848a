#include "formats/SendTrans_Cheju.h"

#include "core/Cp949.h"
#include "formats/JejuLayout.h"
#include "formats/Send_Standard.h"

namespace selvane {
namespace {

class TJejuWriter : public TStandardWriter {
 protected:
  void WriteHeader(const TBatch& batch) override {
    const TBatchOrder& order = batch.Order;
    TJejuHeaderValues values;
    values.BankID = ToCp949(order.BankID);
    values.Corcode = ToCp949(order.Corcode);
    values.TrsDate = order.To_date.Format("yymmdd");
    values.TrsEndDate = values.TrsDate;
    values.A_Date = order.A_Date.Format("yymmdd");
    values.BankNo = DigitsOf(order.BankNo);
    PutRecord(WriteRecord(kJejuHeader, values));
  }

  std::string RecipientRecord(const TBatchOrder& order,
                              const TBatchRecipient& recipient) const override {
    // A cut or a sign would give the bank another fund category than the one stored.
    if (recipient.JaGubun < 0 || recipient.JaGubun > 99)
      throw TRecipientHeldBack("자금구분코드가 두 자리 숫자가 아닙니다: " + recipient.Name + " " +
                               recipient.BankId + " " + recipient.BankNo + " " +
                               std::to_string(recipient.JaGubun));
    TJejuDataValues values;
    values.BankId = ToCp949(recipient.BankId);
    values.BankNo = DigitsOf(recipient.BankNo);
    values.Monecy = recipient.Monecy.ToText();
    values.Jumin = DigitsOf(recipient.Jumin);
    values.prtText = ToCp949(recipient.prtText);
    values.JaGubun = std::to_string(recipient.JaGubun);
    values.PayDay = order.To_date.Format("dd");
    return WriteRecord(kJejuData, values);
  }

  void WriteEnd(const TBatch&) override {
    TJejuEndValues values;
    values.RecordCount = std::to_string(dataCount_ + 2);
    values.TotalSum = total_.ToText();
    PutRecord(WriteRecord(kJejuEnd, values));
  }
};

std::string CorcodeTooLong(const TBatchOrder& order) {
  return "사용자번호가 제주은행 송신 파일의 " + std::to_string(kJejuCorcodeWidth) +
         "자리보다 깁니다: " + order.KigwanName + " " + order.Corcode +
         " (이 기관의 이체는 보내지 않고 송신대기로 남깁니다)";
}

}  // namespace

TBatchResult SendTrans_Cheju(const TBatch& batch, IExchangeView& view) {
  if (Cp949Length(batch.Order.Corcode) > static_cast<std::size_t>(kJejuCorcodeWidth))
    throw TBatchRefused(CorcodeTooLong(batch.Order));
  TJejuWriter writer;
  return writer.WriteBatch(batch, view);
}

}  // namespace selvane
