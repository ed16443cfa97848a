// Writer of the foreign-exchange bank format (bank 05): the records of the fisheries
// co-operative's earlier edition, for every order whatever its dates.
#pragma once

#include "edi/BatchWriter.h"

namespace selvane {

TBatchResult SendTrans_ForeignExchange(const TBatch& batch, IExchangeView& view);

}  // namespace selvane
