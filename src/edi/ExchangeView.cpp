#include "edi/ExchangeView.h"

namespace selvane {

std::string RecvKindRemark(int kind) {
  switch (kind) {
    case rkForeignFile:
      return "수신 대상 파일 아님";
    case rkFundsTransfer:
      return "자금 이체";
    case rkNoWaitingOrder:
      return "결과를 기다리는 이체 없음";
    case rkNoInstitution:
      return "일치하는 기관 없음, 적용하지 않음";
    case rkIncomplete:
      return "끝 레코드 없음, 적용하지 않음 (재수신하십시오)";
    case rkUnreadable:
      return "읽을 수 없는 파일, 적용하지 않음";
    default:
      return std::string();
  }
}

std::string RecvRemark(const TRecvInfo& line) {
  std::string remark = RecvKindRemark(line.Kind);
  if (!line.Note.empty()) remark += " (" + line.Note + ")";
  return remark;
}

std::string SkippedRecordsHeading(const std::string& fileName, int count) {
  return fileName + ": 적용하지 않은 레코드 " + std::to_string(count) + "건";
}

}  // namespace selvane
