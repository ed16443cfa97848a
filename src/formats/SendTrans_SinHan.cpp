#include "formats/SendTrans_SinHan.h"

#include "formats/Send_Standard.h"

namespace selvane {

void SendTrans_SinHan(const TBatch& batch, IExchangeView& view) {
  Send_Standard(batch, view);
}

}  // namespace selvane
