#include "formats/SendTrans_SinHan.h"

#include "formats/Send_Standard.h"

namespace selvane {

TBatchResult SendTrans_SinHan(const TBatch& batch, IExchangeView& view) {
  return Send_Standard(batch, view);
}

}  // namespace selvane
