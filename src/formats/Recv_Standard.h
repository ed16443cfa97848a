// Reader of the standard result file: 80-byte blocks of header, data and end records. The
// header selects the institution, each data record records its result on the matching sent
// recipient of that institution, and the end record marks the institution's sent orders
// received and gives the file's line for the exchange list.
#pragma once

#include <string>

#include "core/DM.h"
#include "edi/ResultReport.h"
#include "edi/ResultStore.h"

namespace selvane {

// Reads the result file. A file that cannot be opened gives a report that is not Opened.
// Database errors are thrown (TDataError) and end the receive run.
TResultReport Recv_Standard(const std::string& fileName, TDModule& dm);

// The standard reading with the header's institution code compared with the column key: the
// formats whose answer is the standard one but names the institution by its BCode.
TResultReport ReadStandardResult(const std::string& fileName, TDModule& dm, TInstitutionKey key);

}  // namespace selvane
