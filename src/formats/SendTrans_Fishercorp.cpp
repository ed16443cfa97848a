#include "formats/SendTrans_Fishercorp.h"

#include "formats/Send_Standard.h"

namespace selvane {
namespace {

class TFisheriesWriter : public TStandardWriter {
 public:
  explicit TFisheriesWriter(TFisheriesEdition edition)
      : header_(FisheriesHeader(edition)), data_(FisheriesData(edition)) {}

 protected:
  void WriteHeader(const TBatch& batch) override {
    TStandardHeaderValues values = HeaderValues(batch.Order);
    values.To_date = batch.Order.To_date.Format("mmdd");
    PutRecord(WriteRecord(header_, values));
  }

  std::string RecipientRecord(const TBatchOrder& order,
                              const TBatchRecipient& recipient) const override {
    return WriteRecord(data_, DataValues(order, recipient));
  }

  void WriteEnd(const TBatch&) override { PutRecord(WriteRecord(kFisheriesEnd, EndValues())); }

 private:
  TRecordLayout<TStandardHeaderValues, 17> header_;
  TRecordLayout<TStandardDataValues, 15> data_;
};

}  // namespace

TBatchResult SendFisheriesEdition(const TBatch& batch, IExchangeView& view,
                                  TFisheriesEdition edition) {
  TFisheriesWriter writer(edition);
  return writer.WriteBatch(batch, view);
}

TBatchResult SendTrans_Fishercorp(const TBatch& batch, IExchangeView& view) {
  return SendFisheriesEdition(batch, view, FisheriesEdition(batch.Order.A_Date));
}

}  // namespace selvane
