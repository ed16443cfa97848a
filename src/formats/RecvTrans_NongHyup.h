// Reader of the NongHyup central result file (bank 11): 80-byte blocks of the request's records
// with the bank's two-character result code in each data record. The result stored is "00" and
// that code. Accounts at bank 11 come back widened with zeros: the widening is taken off by the
// format's rule, and by the other removal when that finds no sent recipient.
#pragma once

#include <string>

#include "core/DM.h"
#include "edi/ResultReport.h"

namespace selvane {

// Reads the result file. A file that cannot be opened gives a report that is not Opened.
// Throws TResultFileError for an end record whose record count is not a whole number, and
// TDataError for a database error: both end the receive run.
TResultReport RecvTrans_NongHyup(const std::string& fileName, TDModule& dm);

}  // namespace selvane
