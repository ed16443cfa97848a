#include "formats/RecvTrans_House.h"

namespace selvane {

TResultReport RecvTrans_House(const std::string& fileName, TDModule& dm) {
  return ReadStandardResult(fileName, dm, TInstitutionCode::BCode);
}

}  // namespace selvane
