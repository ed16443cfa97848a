// Reader of the Industrial Bank result file (bank 03): header "11", data "22" and end "33"
// records in 80-byte blocks. The header carries no institution code: the institution is the one
// whose receive name named the file, and the header's bank code and withdrawal account must be
// that institution's, else no institution is selected and nothing of the group is applied.
#pragma once

#include <string>

#include "core/DM.h"
#include "edi/ResultReport.h"

namespace selvane {

TResultReport RecvTrans_Kiup(const std::string& fileName, TDModule& dm);

}  // namespace selvane
