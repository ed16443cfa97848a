#include "edi/BatchWriter.h"

#include "core/Cp949.h"
#include "core/Globals.h"

namespace selvane {

std::string EnvelopeLine(const TBatchOrder& order) {
  TEnvelopeValues values;
  values.LoginID = ToCp949(EdiLoginId);
  values.SendName = ToCp949(order.SendName);
  values.Bcode = ToCp949(order.Bcode);
  return WriteRecord(kEnvelopeLine, values);
}

std::string RequestFileName(const TBatchOrder& order) {
  const std::string& name = order.SendName;
  // The name comes from the institution settings: it must not lead out of the send folder.
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
      name.find('\\') != std::string::npos)
    throw TSendFileError("송신 파일명이 올바르지 않습니다: \"" + name + "\"");
  return SendDir + name;
}

std::string HeldBackWarning(const TBatchRecipient& recipient, const TFieldDoesNotFit& misfit) {
  const bool account = misfit.Fill == TFill::Account;
  return std::string(account ? "계좌번호가" : "이체금액이") +
         " 송신 파일의 칸보다 깁니다: " + recipient.Name + " " + recipient.BankId + " " +
         (account ? recipient.BankNo : recipient.Monecy.ToText());
}

void TBatchWriter::PutRecord(const std::string& record) {
  *file_ << record << "\r\n";
  if (!*file_) throw TSendFileError("송신 파일에 쓸 수 없습니다: " + fileName_);
}

TBatchResult TBatchWriter::WriteBatch(const TBatch& batch, IExchangeView& view) {
  ResetCounters();
  fileName_ = RequestFileName(batch.Order);
  std::ofstream file(fileName_, std::ios::binary | std::ios::app);
  if (!file) throw TSendFileError("송신 파일을 열 수 없습니다: " + fileName_);
  file_ = &file;
  struct TDetach {
    std::ofstream*& file;
    ~TDetach() { file = nullptr; }
  } detach{file_};

  TBatchResult result;
  try {
    PutRecord(EnvelopeLine(batch.Order));
    WriteHeader(batch);
    for (const auto& recipient : batch.Recipients) {
      try {
        if (WriteData(batch, recipient)) result.Written.push_back(recipient.RowId);
      } catch (const TFieldDoesNotFit& misfit) {
        result.HeldBack.push_back(HeldBackWarning(recipient, misfit));
      } catch (const TRecipientHeldBack& heldBack) {
        result.HeldBack.push_back(heldBack.what());
      }
    }
    WriteEnd(batch);
  } catch (const TFieldDoesNotFit& misfit) {
    // The institution's own account or the batch's total: no recipient to hold back.
    throw TSendFileError(std::string(misfit.Fill == TFill::Account ? "계좌번호가" : "금액이") +
                         " 송신 파일의 칸보다 깁니다: " + batch.Order.KigwanName + " " +
                         FromCp949Field(misfit.Value));
  }
  file.close();
  if (!file) throw TSendFileError("송신 파일에 쓸 수 없습니다: " + fileName_);
  view.AddListLine({batch.Order.KigwanName,
                    batch.Order.SendName,
                    rkFundsTransfer,
                    static_cast<int>(result.Written.size()),
                    {}});
  return result;
}

}  // namespace selvane
