// A record of what a send hands to the EDI component: the request files and the order and
// recipient rows they carry. It is written (and synced) into the send folder's Old folder just
// before the hand-over as "SENT_<time>.pending", marked ".sent" once the component has taken the
// files, and removed once the sent state is committed. A ".sent" record left behind means the
// bank has the files while the database still calls them pending: the next build stores that
// state first, so the same batch is never paid twice. A ".pending" record left behind means the
// program ended during a hand-over whose outcome nobody saw: the build refuses until the user
// has checked with the bank and removed it.
#pragma once

#include <string>

#include "core/DM.h"
#include "edi/EDISend.h"
#include "edi/ExchangeView.h"

namespace selvane {

// The folder of the records: the send folder's Old folder.
std::string SentRecordFolder();

// Writes the ".pending" record of the rows and of the files now in the send folder; returns its
// path. Throws TDataError with the reason when it cannot be written (then nothing may be sent).
std::string WriteSentRecord(TDModule& dm, const TWrittenRows& rows);

// After a good hand-over: renames the ".pending" record to ".sent" and returns the new path.
// Throws TDataError with the reason when it cannot.
std::string MarkRecordSent(const std::string& pendingFileName);

// Removes a record once its state is stored or the send failed; false when it stays.
bool RemoveSentRecord(const std::string& fileName);

// Before a build: stores the sent state of every ".sent" record left behind (rows still Waiting
// become Sent), commits, removes those records and says so in the status line. Throws
// TDataError with the reason when a record cannot be read or its state cannot be stored, and
// when a ".pending" record is left (the outcome of that send is unknown).
void StoreLeftSentRecords(TDModule& dm, IExchangeView& view);

}  // namespace selvane
