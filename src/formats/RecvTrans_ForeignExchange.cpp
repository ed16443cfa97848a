#include "formats/RecvTrans_ForeignExchange.h"

namespace selvane {

TResultReport RecvTrans_ForeignExchange(const std::string& fileName, TDModule& dm) {
  return ReadStandardResult(fileName, dm, TInstitutionCode::BCode);
}

}  // namespace selvane
