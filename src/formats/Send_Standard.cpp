#include "formats/Send_Standard.h"

#include "core/Cp949.h"
#include "core/TextRoutines.h"
#include "core/TransferState.h"

namespace selvane {

std::string DigitsOf(const std::string& utf8) {
  return RemoveChar(ToCp949(utf8), '-');
}

void TStandardWriter::ResetCounters() {
  dataCount_ = 0;
  total_ = TMoney();
}

TStandardHeaderValues StandardHeaderValues(const TBatchOrder& order) {
  TStandardHeaderValues values;
  values.Corcode = ToCp949(order.Corcode);
  values.BankID = ToCp949(order.BankID);
  values.A_Date = order.A_Date.Format("yymmdd");
  values.To_date = order.To_date.Format("yymmdd");
  values.BankNo = DigitsOf(order.BankNo);
  values.LocalBank = ToCp949(order.LocalBank);
  return values;
}

std::string TStandardWriter::HeaderRecord(const TBatchOrder& order) {
  return WriteRecord(kStandardHeader, StandardHeaderValues(order));
}

TStandardEndValues StandardEndValues(int dataCount, const TMoney& total) {
  TStandardEndValues values;
  values.RecordCount = std::to_string(dataCount + 2);
  values.DataCount = std::to_string(dataCount);
  values.TotalSum = total.ToText();
  return values;
}

TStandardDataValues TStandardWriter::DataValues(const TBatchOrder& order,
                                                const TBatchRecipient& recipient) {
  TStandardDataValues values;
  values.BankId = ToCp949(recipient.BankId);
  values.BankNo = DigitsOf(recipient.BankNo);
  values.Monecy = recipient.Monecy.ToText();
  values.PayDay = order.To_date.Format("dd");
  values.Jumin = DigitsOf(recipient.Jumin);
  values.PayDate = order.To_date.Format("yyyymmdd");
  values.PayMonthDay = order.To_date.Format("mmdd");
  return values;
}

TStandardHeaderValues TStandardWriter::HeaderValues(const TBatchOrder& order) {
  return StandardHeaderValues(order);
}

std::string TStandardWriter::DataRecord(const TBatchOrder& order,
                                        const TBatchRecipient& recipient) const {
  return WriteRecord(kStandardData, DataValues(order, recipient));
}

std::string TStandardWriter::RecipientRecord(const TBatchOrder& order,
                                             const TBatchRecipient& recipient) const {
  return DataRecord(order, recipient);
}

TStandardEndValues TStandardWriter::EndValues() const {
  return StandardEndValues(dataCount_, total_);
}

void TStandardWriter::WriteHeader(const TBatch& batch) {
  PutRecord(HeaderRecord(batch.Order));
}

bool TStandardWriter::WriteData(const TBatch& batch, const TBatchRecipient& recipient) {
  if (recipient.State != Waiting || !Carries(recipient)) return false;
  std::string record = RecipientRecord(batch.Order, recipient);
  PutRecord(record);
  ++dataCount_;
  total_ += recipient.Monecy;
  DataWritten(record, recipient);
  return true;
}

void TStandardWriter::DataWritten(const std::string&, const TBatchRecipient&) {}

void TStandardWriter::WriteEnd(const TBatch&) {
  PutRecord(WriteRecord(kStandardEnd, EndValues()));
}

TBatchResult Send_Standard(const TBatch& batch, IExchangeView& view) {
  TStandardWriter writer;
  return writer.WriteBatch(batch, view);
}

}  // namespace selvane
