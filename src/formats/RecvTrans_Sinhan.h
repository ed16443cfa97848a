// Reader of the Shinhan Bank result file (bank 26): read as the standard result file.
#pragma once

#include "formats/Recv_Standard.h"

namespace selvane {

TResultReport RecvTrans_Sinhan(const std::string& fileName, TDModule& dm);

}  // namespace selvane
