// Writer of the fisheries co-operative format (bank 07): the standard request with a header of
// 76 bytes, data records without the payment date's MMDD tail and an end record with blanks for
// "0000", in the edition of the order's application date.
#pragma once

#include "edi/BatchWriter.h"
#include "formats/FisheriesLayout.h"

namespace selvane {

// Writes the batch as a fisheries co-operative request file (through the frame), in the edition
// of its order's A_Date.
TBatchResult SendTrans_Fishercorp(const TBatch& batch, IExchangeView& view);

// Writes the batch in the given edition, whatever its dates (the foreign-exchange bank's format
// is the earlier edition).
TBatchResult SendFisheriesEdition(const TBatch& batch, IExchangeView& view,
                                  TFisheriesEdition edition);

}  // namespace selvane
