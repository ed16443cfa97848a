#include "formats/RecvTrans_FisherCorp.h"

namespace selvane {

TResultReport RecvTrans_FisherCorp(const std::string& fileName, TDModule& dm) {
  return ReadStandardResult(fileName, dm, TInstitutionCode::BCode);
}

}  // namespace selvane
