#include "formats/SendTrans_JeonBuk.h"

#include <array>

#include "core/Cp949.h"
#include "core/TransferState.h"
#include "formats/JeonbukLayout.h"
#include "formats/Send_Standard.h"

namespace selvane {
namespace {

constexpr std::size_t kMainFile = 0;
constexpr std::size_t kOthersFile = 1;

class TJeonbukWriter : public TBatchWriter {
 protected:
  std::vector<std::string> FurtherFileSuffixes() const override { return {kJeonbukOthersSuffix}; }

  void ResetCounters() override {
    counts_ = {};
    totals_ = {};
  }

  void WriteHeader(const TBatch& batch) override {
    const std::string header = WriteRecord(kJeonbukHeader, StandardHeaderValues(batch.Order));
    PutRecord(header, kMainFile);
    PutRecord(header, kOthersFile);
  }

  bool WriteData(const TBatch& batch, const TBatchRecipient& recipient) override {
    if (recipient.State != Waiting) return false;
    TJeonbukDataValues values;
    values.BankId = ToCp949(recipient.BankId);
    values.BankNo = DigitsOf(recipient.BankNo);
    values.Monecy = recipient.Monecy.ToText();
    values.PayDay = batch.Order.To_date.Format("dd");
    values.Jumin = DigitsOf(recipient.Jumin);
    values.LargeitmId = ToCp949(recipient.LargeitmId);
    values.LargeItmNm = ToCp949(recipient.prtText);
    const std::string record = WriteRecord(kJeonbukData, values);
    const std::size_t file = recipient.BankId == kJeonbukOwnBank ? kMainFile : kOthersFile;
    PutRecord(record, file);
    ++counts_[file];
    totals_[file] += recipient.Monecy;
    return true;
  }

  void WriteEnd(const TBatch&) override {
    for (std::size_t file : {kMainFile, kOthersFile}) {
      PutRecord(WriteRecord(kJeonbukEnd, StandardEndValues(counts_[file], totals_[file])), file);
    }
  }

 private:
  std::array<int, 2> counts_{};
  std::array<TMoney, 2> totals_{};
};

}  // namespace

TBatchResult SendTrans_JeonBuk(const TBatch& batch, IExchangeView& view) {
  TJeonbukWriter writer;
  return writer.WriteBatch(batch, view);
}

}  // namespace selvane
