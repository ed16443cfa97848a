#include "core/TransferState.h"

namespace selvane {

std::string StateName(long long state) {
  switch (state) {
    case HeldBack:
      return "송신불가";
    case Waiting:
      return "송신대기";
    case Sent:
      return "송신완료";
    case Received:
      return "수신완료";
    default:
      return std::string();
  }
}

}  // namespace selvane
