// Writer of the Industrial Bank format (bank 03): a header "11", one data record "22" of 76 bytes
// with its sequence number for each pending recipient of bank 03, and an end record "33" with the
// count and total. Recipients of other banks stay pending and are counted in a warning.
#pragma once

#include "edi/BatchWriter.h"

namespace selvane {

TBatchResult SendTrans_KiUp(const TBatch& batch, IExchangeView& view);

}  // namespace selvane
