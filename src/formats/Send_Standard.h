// Writer of the standard bank format: the header record of the institution, one data record per
// pending recipient, and the end record with the counts and the total amount. The formats that
// differ from it in a record derive from TStandardWriter and replace that record.
#pragma once

#include <string>

#include "core/Money.h"
#include "edi/BatchWriter.h"
#include "formats/StandardLayout.h"

namespace selvane {

// The digits of an account or resident number as CP949 bytes: every "-" removed.
std::string DigitsOf(const std::string& utf8);

// The values of the standard header record from the order (To_date as YYMMDD), which the
// formats that share its fields start from.
TStandardHeaderValues StandardHeaderValues(const TBatchOrder& order);

// The values of a standard end record (and of the formats that share its counts and totals)
// for this many data records and this total, without a check value.
TStandardEndValues StandardEndValues(int dataCount, const TMoney& total);

class TStandardWriter : public TBatchWriter {
 protected:
  void ResetCounters() override;
  void WriteHeader(const TBatch& batch) override;
  bool WriteData(const TBatch& batch, const TBatchRecipient& recipient) override;
  void WriteEnd(const TBatch& batch) override;

  // The values of the standard records, as CP949 bytes.
  static TStandardHeaderValues HeaderValues(const TBatchOrder& order);
  static TStandardDataValues DataValues(const TBatchOrder& order, const TBatchRecipient& recipient);
  // The records of the format as CP949 bytes, without line end.
  static std::string HeaderRecord(const TBatchOrder& order);
  virtual std::string DataRecord(const TBatchOrder& order, const TBatchRecipient& recipient) const;
  // Whether the format writes a record for this pending recipient at all.
  virtual bool Carries(const TBatchRecipient&) { return true; }
  // The data record WriteData writes for a pending recipient that the format carries: by default
  // DataRecord; formats with data records of their own replace it. Throws TFieldDoesNotFit or
  // TRecipientHeldBack.
  virtual std::string RecipientRecord(const TBatchOrder& order,
                                      const TBatchRecipient& recipient) const;
  // After a data record was written and counted: for formats that keep further sums.
  virtual void DataWritten(const std::string& record, const TBatchRecipient& recipient);
  // The end record's values from the counters, without a check value.
  TStandardEndValues EndValues() const;

  int dataCount_ = 0;
  TMoney total_;
};

// Writes the batch as a standard request file (through the frame).
TBatchResult Send_Standard(const TBatch& batch, IExchangeView& view);

}  // namespace selvane
