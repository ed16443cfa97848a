// Reader of the fisheries co-operative result file (bank 07): the standard result file, except that
// the header carries the institution's bank ID on the network (BCode) where the standard one has
// its user number.
#pragma once

#include "formats/Recv_Standard.h"

namespace selvane {

TResultReport RecvTrans_FisherCorp(const std::string& fileName, TDModule& dm);

}  // namespace selvane
