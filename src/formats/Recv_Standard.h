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

// Reads a result file of the standard layout whose header carries the given code of the
// institution in positions 4 to 13.
TResultReport ReadStandardResult(const std::string& fileName, TDModule& dm,
                                 TInstitutionCode headerCode);

}  // namespace selvane
