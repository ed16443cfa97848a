// Reader of the standard result file: 80-byte blocks of header, data and end records. The
// header selects the institution, each data record records its result on the matching sent
// recipient, and the end record marks the institution's sent orders received and adds the
// file's line to the exchange list.
#pragma once

#include <string>

#include "core/DM.h"
#include "edi/ExchangeView.h"
#include "edi/ResultReport.h"

namespace selvane {

// Reads the result file. A file that cannot be opened gives an empty report and no list line.
// Database errors are thrown (TDataError) and end the receive run.
TResultReport Recv_Standard(const std::string& fileName, TDModule& dm, IExchangeView& view);

}  // namespace selvane
