#include "formats/NongHyupWriter.h"

#include "core/BankCodes.h"
#include "core/Cp949.h"
#include "core/TransferState.h"

namespace selvane {

void TNongHyupWriter::ResetCounters() {
  dataCount_ = 0;
  total_ = TMoney();
  central_ = member_ = other_ = TBankGroup();
}

bool TNongHyupWriter::WriteData(const TBatch& batch, const TBatchRecipient& recipient) {
  if (recipient.State != Waiting) return false;
  PutRecord(DataRecord(batch.Order, recipient, dataCount_ + 1));
  ++dataCount_;
  total_ += recipient.Monecy;
  TBankGroup& group = IsNongHyupCentral(recipient.BankId)  ? central_
                      : IsNongHyupMember(recipient.BankId) ? member_
                                                           : other_;
  group.Add(recipient.Monecy);
  DataWritten(recipient);
  return true;
}

void TNongHyupWriter::RefuseLongCorcode(const TBatchOrder& order, int width) {
  if (Cp949Length(order.Corcode) > static_cast<std::size_t>(width))
    throw TSendFileError("이용자번호가 송신 파일의 칸(" + std::to_string(width) +
                         "자리)보다 깁니다: " + order.KigwanName + " " + order.Corcode);
}

}  // namespace selvane
