// The state of a transfer order or recipient (column State of TBTrans and TBTransSub).
#pragma once

#include <string>

namespace selvane {

enum TransferState : int {
  HeldBack = -1,  // "송신불가", switched by the user between Waiting and HeldBack
  Unset = 0,      // never written
  Waiting = 1,    // "송신대기", new rows
  Sent = 2,       // "송신완료", after a successful send
  Received = 3,   // "수신완료", when the bank's result is recorded
};

// The display text of a state; empty for any other code.
std::string StateName(long long state);

}  // namespace selvane
