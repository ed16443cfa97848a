// Reader of the Housing bank result file (bank 06): the standard result file, with the header's
// institution found by its BCode.
#pragma once

#include "formats/Recv_Standard.h"

namespace selvane {

TResultReport RecvTrans_House(const std::string& fileName, TDModule& dm);

}  // namespace selvane
