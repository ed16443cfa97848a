// Reader of the Jeju Bank result file (bank 35): 80-byte blocks of its own header, data and end
// records. The header selects the institution by bank and user number, each data record records
// its result on the matching sent recipient, and the end record's count of all records, less
// header and end record, goes on the list line.
#pragma once

#include <string>

#include "core/DM.h"
#include "edi/ResultReport.h"

namespace selvane {

// Reads the result file. A file that cannot be opened gives a report that is not Opened.
// Throws TResultFileError for an end record whose count is not a whole number, and database
// errors (TDataError): both end the receive run.
TResultReport RecvTrans_Cheju(const std::string& fileName, TDModule& dm);

}  // namespace selvane
