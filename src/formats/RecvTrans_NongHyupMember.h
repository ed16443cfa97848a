// Reader of the NongHyup member co-operative result file (bank 12): 80-byte blocks of "11", "22"
// and "33" records, the bank's two-character result code in each data record. The result stored
// is "00" and that code. Accounts at banks 11 and 12 come back as they were written, with their
// hyphens; a bank-11 account loses its widening by the format's rule, and by the other removal
// when that finds no sent recipient.
#pragma once

#include <string>

#include "core/DM.h"
#include "edi/ResultReport.h"

namespace selvane {

// Reads the result file. A file that cannot be opened gives a report that is not Opened.
// Throws TResultFileError for an end record whose count is not a whole number, and TDataError
// for a database error: both end the receive run.
TResultReport RecvTrans_NongHyupMember(const std::string& fileName, TDModule& dm);

}  // namespace selvane
