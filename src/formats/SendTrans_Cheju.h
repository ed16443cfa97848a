// Writer of the Jeju Bank format (bank 35): a header with the bank code and the 8-character user
// number, data records with a 10-digit amount, the benefit item's name and the fund category,
// and an end record with the record count and the total.
#pragma once

#include "edi/BatchWriter.h"

namespace selvane {

// Writes the batch as a Jeju Bank request file (through the frame). Throws TBatchRefused, before
// anything is written, for a user number longer than 8 bytes: the bank's answer would carry it
// cut, and the institution would not be found by it. A recipient whose fund category is not a
// number of two digits is held back.
TBatchResult SendTrans_Cheju(const TBatch& batch, IExchangeView& view);

}  // namespace selvane
