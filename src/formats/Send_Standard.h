// Writer of the standard bank format: the header record of the institution, one data record per
// pending recipient, and the end record with the counts and the total amount. The formats that
// differ from it in a record derive from TStandardWriter and replace that record.
#pragma once

#include <string>

#include "core/Money.h"
#include "edi/BatchWriter.h"

namespace selvane {

class TStandardWriter : public TBatchWriter {
 protected:
  void ResetCounters() override;
  void WriteHeader(const TBatch& batch) override;
  void WriteData(const TBatch& batch, const TBatchRecipient& recipient) override;
  void WriteEnd(const TBatch& batch) override;

  // The records of the format as CP949 bytes, without line end.
  static std::string HeaderRecord(const TBatchOrder& order);
  static std::string DataRecord(const TBatchOrder& order, const TBatchRecipient& recipient);
  // After a data record was written and counted: for formats that keep further sums.
  virtual void DataWritten(const std::string& record, const TBatchRecipient& recipient);
  // The end record of the layout from the counters; checkValue fills a "CheckValue" field.
  std::string EndRecord(TRecordLayout layout, std::string_view checkValue = {}) const;

  int dataCount_ = 0;
  TMoney total_;
};

// Writes the batch as a standard request file (through the frame).
void Send_Standard(const TBatch& batch, IExchangeView& view);

}  // namespace selvane
