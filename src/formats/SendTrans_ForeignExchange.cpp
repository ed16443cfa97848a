#include "formats/SendTrans_ForeignExchange.h"

#include "formats/SendTrans_Fishercorp.h"

namespace selvane {

TBatchResult SendTrans_ForeignExchange(const TBatch& batch, IExchangeView& view) {
  return SendFisheriesEdition(batch, view, TFisheriesEdition::Earlier);
}

}  // namespace selvane
