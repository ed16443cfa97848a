// Writer of the NongHyup member co-operative format (bank 12): a header, one data record per
// pending recipient with its record check value, and an end record with the totals overall and
// of the recipients at banks 12, 11 and any other, and the batch's check value.
#pragma once

#include "edi/BatchWriter.h"

namespace selvane {

// Writes the batch as a NongHyup member request file (through the frame). Throws TSendFileError
// for an institution user number longer than 7 bytes, and for a recipient whose check value
// cannot be formed: the check character of its account, its amount or (at another bank than 11
// and 12) its bank code is not a whole number.
TBatchResult SendTrans_NongHyupMember(const TBatch& batch, IExchangeView& view);

}  // namespace selvane
