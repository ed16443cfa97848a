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

void TBatchWriter::PutRecord(const std::string& record, std::size_t file) {
  std::ofstream& out = files_->at(file);
  out << record << "\r\n";
  if (!out) throw TSendFileError("송신 파일에 쓸 수 없습니다: " + fileNames_[file]);
}

TBatchResult TBatchWriter::WriteBatch(const TBatch& batch, IExchangeView& view) {
  ResetCounters();
  const std::string mainName = RequestFileName(batch.Order);
  fileNames_ = {mainName};
  for (const std::string& suffix : FurtherFileSuffixes()) fileNames_.push_back(mainName + suffix);
  std::vector<std::ofstream> files;
  for (const std::string& name : fileNames_) {
    files.emplace_back(name, std::ios::binary | std::ios::app);
    if (!files.back()) throw TSendFileError("송신 파일을 열 수 없습니다: " + name);
  }
  files_ = &files;
  struct TDetach {
    std::vector<std::ofstream>*& files;
    ~TDetach() { files = nullptr; }
  } detach{files_};

  TBatchResult result;
  try {
    const std::string envelope = EnvelopeLine(batch.Order);
    for (std::size_t file = 0; file < files.size(); ++file) PutRecord(envelope, file);
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
  for (std::size_t file = 0; file < files.size(); ++file) {
    files[file].close();
    if (!files[file]) throw TSendFileError("송신 파일에 쓸 수 없습니다: " + fileNames_[file]);
  }
  result.Warnings = BatchWarnings(batch);
  view.AddListLine({batch.Order.KigwanName,
                    batch.Order.SendName,
                    rkFundsTransfer,
                    static_cast<int>(result.Written.size()),
                    {}});
  return result;
}

}  // namespace selvane
