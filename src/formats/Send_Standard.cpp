#include "formats/Send_Standard.h"

#include "core/Cp949.h"
#include "core/TextRoutines.h"
#include "core/TransferState.h"
#include "formats/StandardLayout.h"

namespace selvane {
namespace {

std::string Digits(const std::string& text) {
  return RemoveChar(ToCp949(text), '-');
}

}  // namespace

void TStandardWriter::ResetCounters() {
  dataCount_ = 0;
  total_ = TMoney();
}

std::string TStandardWriter::HeaderRecord(const TBatchOrder& order) {
  return WriteRecord(kStandardHeader, {{"Corcode", ToCp949(order.Corcode)},
                                       {"BankID", ToCp949(order.BankID)},
                                       {"A_Date", order.A_Date.Format("yymmdd")},
                                       {"To_date", order.To_date.Format("yymmdd")},
                                       {"BankNo", Digits(order.BankNo)},
                                       {"LocalBank", ToCp949(order.LocalBank)}});
}

std::string TStandardWriter::DataRecord(const TBatchOrder& order,
                                        const TBatchRecipient& recipient) {
  return WriteRecord(kStandardData, {{"BankId", ToCp949(recipient.BankId)},
                                     {"BankNo", Digits(recipient.BankNo)},
                                     {"Monecy", recipient.Monecy.ToText()},
                                     {"PayDay", order.To_date.Format("dd")},
                                     {"JuminDate", Digits(recipient.Jumin) + "   " +
                                                       order.To_date.Format("yyyymmdd")},
                                     {"PayMonthDay", order.To_date.Format("mmdd")}});
}

std::string TStandardWriter::EndRecord(TRecordLayout layout, std::string_view checkValue) const {
  return WriteRecord(layout, {{"RecordCount", std::to_string(dataCount_ + 2)},
                              {"DataCount", std::to_string(dataCount_)},
                              {"TotalSum", total_.ToText()},
                              {"CheckValue", checkValue}});
}

void TStandardWriter::WriteHeader(const TBatch& batch) {
  PutRecord(HeaderRecord(batch.Order));
}

void TStandardWriter::WriteData(const TBatch& batch, const TBatchRecipient& recipient) {
  if (recipient.State != Waiting) return;
  std::string record = DataRecord(batch.Order, recipient);
  PutRecord(record);
  ++dataCount_;
  total_ += recipient.Monecy;
  DataWritten(record, recipient);
}

void TStandardWriter::DataWritten(const std::string&, const TBatchRecipient&) {}

void TStandardWriter::WriteEnd(const TBatch&) {
  PutRecord(EndRecord(kStandardEnd));
}

void Send_Standard(const TBatch& batch, IExchangeView& view) {
  TStandardWriter writer;
  writer.WriteBatch(batch, view);
}

}  // namespace selvane
