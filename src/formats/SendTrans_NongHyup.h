// Writer of the NongHyup central format (bank 11): a header, one data record per pending
// recipient with its fund category, sequence number and item name, and an end record with the
// totals overall and of the recipients at banks 11, 12 and any other.
#pragma once

#include "edi/BatchWriter.h"

namespace selvane {

// Writes the batch as a NongHyup central request file (through the frame). Throws TSendFileError
// for an institution user number longer than 8 bytes.
TBatchResult SendTrans_NongHyup(const TBatch& batch, IExchangeView& view);

}  // namespace selvane
