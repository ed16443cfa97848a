// The recipients of one transfer order: the filter that restricts TB_TransSub to them, and the
// recomputation of the order's count and total.
#pragma once

#include "core/DM.h"
#include "core/Filter.h"
#include "core/Globals.h"

namespace selvane {

TFilter OrderRecipientsFilter(const TOrderKey& order);

// Restricts TB_TransSub to the order's recipients and switches the filter on.
void FilterOrderRecipients(TDModule& dm, const TOrderKey& order);

// ECount and TotalSum of the order current in TB_Trans from every recipient of CurrentOrderKey,
// whatever its state (0 and 0 for none).
void RecalcOrderTotals(TDModule& dm);

}  // namespace selvane
