#include "formats/RecvTrans_Sinhan.h"

namespace selvane {

TResultReport RecvTrans_Sinhan(const std::string& fileName, TDModule& dm, IExchangeView& view) {
  return Recv_Standard(fileName, dm, view);
}

}  // namespace selvane
