#include "formats/RecvTrans_Sinhan.h"

namespace selvane {

TResultReport RecvTrans_Sinhan(const std::string& fileName, TDModule& dm) {
  return Recv_Standard(fileName, dm);
}

}  // namespace selvane
