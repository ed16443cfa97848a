// The send side of the exchange: the batches of the pending orders, the choice of each batch's
// bank format, and the build of the request files in the send folder that the send/receive
// window then hands to the EDI component. The build changes no state; what it wrote is given
// back so that exactly those rows are marked sent after a successful send. A recipient that no
// bank file can carry (an amount that is no whole number of won above zero, a bank code that is
// no bank, an account or amount longer than its field) is held back: not written, still
// pending, and named in a warning.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "core/DM.h"
#include "edi/Batch.h"
#include "edi/BatchWriter.h"
#include "edi/ExchangeView.h"

namespace selvane {

using TSendFn = TBatchResult (*)(const TBatch& batch, IExchangeView& view);

// A row of the send table: the bank codes it serves and the writer of their format.
struct TSendFormat {
  const char* Name;
  bool (*Serves)(std::string_view bankId);  // nullptr: every code (the last row)
  TSendFn Write;
};

// The format for an order's bank code: the first row of the send table that serves it, else the
// standard format. Codes are compared exactly ("3" and " 3" are not "03").
const TSendFormat& SendFormatFor(std::string_view bankId);

// The orders and recipients that a build wrote.
struct TWrittenRows {
  std::vector<std::int64_t> Orders;
  std::vector<std::int64_t> Recipients;
};

// One batch per institution with pending orders, institutions in the order table's key order.
// An institution's first pending order heads its batch; its other pending orders join when their
// work and payment dates are the same, else they count in heldBack and stay pending. Throws
// TSendFileError for a heading order without its dates.
std::vector<TBatch> PendingBatches(TDModule& dm, int& heldBack);

// Takes the recipients out of the batch whose amount is not a whole number of won above zero or
// whose bank code is not a row of the bank table; returns a warning for each, naming it.
std::vector<std::string> HoldBackUnpayable(TDModule& dm, TBatch& batch);

// Writes the batch with the format of its order's bank.
TBatchResult DispatchOrder(const TBatch& batch, IExchangeView& view);

// The send folder's files that the program writes: every institution's and pending order's
// SendName and that name with "_1", as plain file names.
std::vector<std::string> OwnRequestFileNames(TDModule& dm);

// Removes the program's own request files from the send folder, then writes the request file of
// every pending batch, reporting in the status line (a failure with its reason) and naming every
// held-back recipient in a warning; a batch its format refuses is not written, stays pending and
// is named in a warning too. Refuses to build while the send folder holds a file the
// program did not write (the EDI component would send it) or while the send, receive and result
// folders are not three different folders. True when the send folder holds a file afterwards;
// written then holds the rows written, else it is empty. Leaves both tables unfiltered.
bool BuildRequestFiles(TDModule& dm, IExchangeView& view, TWrittenRows& written);

}  // namespace selvane
