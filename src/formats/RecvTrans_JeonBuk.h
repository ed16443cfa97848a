// Reader of the Jeonbuk Bank result file (bank 37): the standard three record kinds with
// three-character bank codes and the item code in the data record, the institution found by its
// BCode. A file for an institution with orders matches its records to sent recipients (of the
// record's item first, else of any item). A file for an institution that has no order at all
// makes the orders and recipients from its records, received, under that institution; a header
// that selects no institution makes nothing.
#pragma once

#include <string>

#include "core/DM.h"
#include "edi/ResultReport.h"

namespace selvane {

TResultReport RecvTrans_JeonBuk(const std::string& fileName, TDModule& dm);

}  // namespace selvane
