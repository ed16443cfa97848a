// Writer of the Jeonbuk Bank format (bank 37): recipients of the bank itself go into the main
// request file, all others into the file named SendName + "_1". Both files start with the same
// envelope line and header record and end with an end record of their own records; the batch has
// one line in the exchange list.
#pragma once

#include "edi/BatchWriter.h"

namespace selvane {

TBatchResult SendTrans_JeonBuk(const TBatch& batch, IExchangeView& view);

}  // namespace selvane
