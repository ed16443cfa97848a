// "모든자료삭제": every transfer order and recipient goes, at once and together; institutions,
// dongs, items, banks and result codes stay.
#pragma once

#include "core/DM.h"

namespace selvane {

// Both deletes in one transaction; throws TDataError (and deletes nothing) when the store fails.
void DeleteAllTransferData(TDModule& dm);

}  // namespace selvane
