// Writer of the Housing bank format (bank 06): the standard request with the payment date as MMDD
// in the header, "35" in the data records, and an end record of 78 bytes with a check value over
// its count and total. Only recipients of bank 06 are written; the others stay pending and are
// counted in a warning.
#pragma once

#include <string>
#include <string_view>

#include "edi/BatchWriter.h"

namespace selvane {

// Positions 69 to 72 of the end record from positions 9 to 28 (the count and the total, 20
// digits): each digit times the weight 3, 1, 7 repeating, the products summed in four groups by
// position modulo 4, and the last digit of each group's sum. Throws TSendFileError for 20 bytes
// that are not all digits.
std::string HousingCheckValue(std::string_view countAndTotal);

TBatchResult SendTrans_House(const TBatch& batch, IExchangeView& view);

}  // namespace selvane
