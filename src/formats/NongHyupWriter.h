// What the writers of the two NongHyup formats share: a data record per pending recipient with
// its sequence number in the batch, and the end record's counts and totals, overall and by the
// recipient's bank (central 11, member co-operatives 12, any other).
#pragma once

#include <string>

#include "core/Money.h"
#include "edi/BatchWriter.h"

namespace selvane {

struct TBankGroup {
  int Count = 0;
  TMoney Total;
  void Add(TMoney amount) {
    ++Count;
    Total += amount;
  }
};

class TNongHyupWriter : public TBatchWriter {
 protected:
  void ResetCounters() override;
  // Writes the record of a pending recipient, then counts it.
  bool WriteData(const TBatch& batch, const TBatchRecipient& recipient) override;

  // The data record of a pending recipient (CP949, without line end). Throws TFieldDoesNotFit or
  // TSendFileError; nothing of the recipient is counted then.
  virtual std::string DataRecord(const TBatchOrder& order, const TBatchRecipient& recipient,
                                 int sequence) = 0;
  // After the record was written and counted.
  virtual void DataWritten(const TBatchRecipient&) {}

  // Throws TSendFileError when the order's user number is longer than the format's field: the
  // bank's answer would name an institution the program does not know.
  static void RefuseLongCorcode(const TBatchOrder& order, int width);

  int dataCount_ = 0;
  TMoney total_;
  TBankGroup central_, member_, other_;
};

}  // namespace selvane
