// What the exchange shows while it runs: one status line (a text, red when it reports a failure)
// and the list of files made or read, one TRecvInfo a line. The send/receive window, selvane-cli
// and the tests each implement it; the build and apply steps only write into it.
#pragma once

#include <string>

namespace selvane {

// The kind of a list line selects its remark.
enum TRecvKind : int {
  rkForeignFile = -1,    // "수신 대상 파일 아님": no institution receives this file
  rkFundsTransfer = 1,   // "자금 이체"
  rkNoWaitingOrder = 2,  // a result file whose institution has no order waiting for it
};

struct TRecvInfo {
  std::string KigwanName;
  std::string FileName;
  int Kind = rkFundsTransfer;
  int Count = 0;  // negative: shown empty
};

// The remark shown for a kind; empty for an unknown kind.
std::string RecvKindRemark(int kind);

class IExchangeView {
 public:
  virtual ~IExchangeView() = default;
  // Replaces the status line; isError shows it as a failure (red).
  virtual void ShowStatus(const std::string& text, bool isError) = 0;
  virtual void AddListLine(const TRecvInfo& line) = 0;
  // Back to an empty list.
  virtual void ClearList() = 0;
};

}  // namespace selvane
