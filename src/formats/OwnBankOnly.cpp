#include "formats/OwnBankOnly.h"

namespace selvane {

bool TOwnBankOnly::Carries(const TBatchRecipient& recipient) {
  if (recipient.BankId == bankId_) return true;
  ++others_;
  return false;
}

std::vector<std::string> TOwnBankOnly::Warnings(const TBatch& batch) const {
  if (others_ == 0) return {};
  return {batch.Order.KigwanName + ": " + bankName_ + " 계좌가 아닌 수급자 " +
          std::to_string(others_) + "명은 보내지 않았습니다."};
}

}  // namespace selvane
