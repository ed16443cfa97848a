// Writer of the Shinhan Bank format (bank 26): the standard request file, byte for byte.
#pragma once

#include "edi/BatchWriter.h"

namespace selvane {

TBatchResult SendTrans_SinHan(const TBatch& batch, IExchangeView& view);

}  // namespace selvane
