// Writer of the Hanvit format (banks 20, 22 and 24): the standard request with an end record of
// 78 bytes that carries a check value over the accounts and amounts of the batch.
#pragma once

#include <string>

#include "edi/BatchWriter.h"

namespace selvane {

// Positions 69 to 74 of the Hanvit end record: the account digit sum modulo the amount digit sum,
// by its last 6 digits. Throws TSendFileError when the amount sum is 0 (no data record, or only
// zero amounts): no check value can be formed.
std::string HanvitCheckValue(long long accountSum, long long amountSum);

// Writes the batch as a Hanvit request file (through the frame).
TBatchResult SendTrans80_Hanvit(const TBatch& batch, IExchangeView& view);

}  // namespace selvane
