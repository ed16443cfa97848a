// For the formats that carry only recipients whose account is at the institution's own bank:
// the others of the batch get no record, stay pending, and their number is named in a warning
// so that no benefit is left unpaid without a word.
#pragma once

#include <string>
#include <vector>

#include "edi/Batch.h"

namespace selvane {

class TOwnBankOnly {
 public:
  // bankId: the code of the bank whose recipients are carried; bankName: its name in warnings.
  TOwnBankOnly(const char* bankId, const char* bankName) : bankId_(bankId), bankName_(bankName) {}

  void Reset() { others_ = 0; }
  // True for a recipient of the bank; any other is counted.
  bool Carries(const TBatchRecipient& recipient);
  // "INSTITUTION: BANK 계좌가 아닌 수급자 N명은 보내지 않았습니다." when any was not carried.
  std::vector<std::string> Warnings(const TBatch& batch) const;

 private:
  const char* bankId_;
  const char* bankName_;
  int others_ = 0;
};

}  // namespace selvane
