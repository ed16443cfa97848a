#include "edi/ResultReport.h"

namespace selvane {

std::string SkippedRecordText(const TSkippedRecord& skipped) {
  const char kind = skipped.Kind > ' ' && skipped.Kind < 0x7F ? skipped.Kind : '?';
  return std::to_string(skipped.RecordNo) + "번째 레코드 (" + std::string(1, kind) +
         "): " + skipped.Reason;
}

}  // namespace selvane
