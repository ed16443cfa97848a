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
    default:
      return std::string();
  }
}

}  // namespace selvane
