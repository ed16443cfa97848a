#include "edi/BatchWriter.h"

#include "core/Cp949.h"
#include "core/Globals.h"

namespace selvane {

std::string EnvelopeLine(const TBatchOrder& order) {
  return WriteRecord(kEnvelopeLine, {{"LoginID", ToCp949(EdiLoginId)},
                                     {"SendName", ToCp949(order.SendName)},
                                     {"Bcode", ToCp949(order.Bcode)}});
}

std::string RequestFileName(const TBatchOrder& order) {
  const std::string& name = order.SendName;
  // The name comes from the institution settings: it must not lead out of the send folder.
  if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos ||
      name.find('\\') != std::string::npos)
    throw TSendFileError("송신 파일명이 올바르지 않습니다: \"" + name + "\"");
  return SendDir + name;
}

void TBatchWriter::PutRecord(const std::string& record) {
  *file_ << record << "\r\n";
  if (!*file_) throw TSendFileError("송신 파일에 쓸 수 없습니다: " + fileName_);
}

void TBatchWriter::WriteBatch(const TBatch& batch, IExchangeView& view) {
  ResetCounters();
  fileName_ = RequestFileName(batch.Order);
  std::ofstream file(fileName_, std::ios::binary | std::ios::app);
  if (!file) throw TSendFileError("송신 파일을 열 수 없습니다: " + fileName_);
  file_ = &file;
  struct TDetach {
    std::ofstream*& file;
    ~TDetach() { file = nullptr; }
  } detach{file_};

  PutRecord(EnvelopeLine(batch.Order));
  view.AddListLine({batch.Order.KigwanName, batch.Order.SendName, rkFundsTransfer,
                    static_cast<int>(batch.Recipients.size())});
  WriteHeader(batch);
  for (const auto& recipient : batch.Recipients) WriteData(batch, recipient);
  WriteEnd(batch);
  file.close();
  if (!file) throw TSendFileError("송신 파일에 쓸 수 없습니다: " + fileName_);
}

}  // namespace selvane
