// What the exchange shows while it runs: one status line (a text, red when it reports a failure),
// the list of files made or read, one TRecvInfo a line, and warnings that name what was passed
// over. The send/receive window, selvane-cli and the tests each implement it; the build and
// apply steps only write into it.
#pragma once

#include <string>
#include <vector>

namespace selvane {

// The kind of a list line selects its remark.
enum TRecvKind : int {
  rkForeignFile = -1,    // "수신 대상 파일 아님": no institution receives this file
  rkFundsTransfer = 1,   // "자금 이체"
  rkNoWaitingOrder = 2,  // a result file whose institution has no order waiting for it
  rkNoInstitution = 3,   // a result file whose header selects no institution: nothing applied
  rkIncomplete = 4,      // a result file without a valid end record: nothing applied
  rkUnreadable = 5,      // a result file that cannot be opened: nothing applied
};

struct TRecvInfo {
  std::string KigwanName;
  std::string FileName;
  int Kind = rkFundsTransfer;
  int Count = 0;     // negative: shown empty
  std::string Note;  // shown after the kind's remark, e.g. records passed over
};

// The remark shown for a kind; empty for an unknown kind.
std::string RecvKindRemark(int kind);
// The remark of a line: its kind's remark, and its note in brackets.
std::string RecvRemark(const TRecvInfo& line);

// Headings of the warnings of a build and of an applied result file.
inline constexpr const char* kHeldBackHeading =
    "다음 수급자는 송신 파일에 넣지 않았습니다 (송신대기로 남습니다):";
std::string SkippedRecordsHeading(const std::string& fileName, int count);

class IExchangeView {
 public:
  virtual ~IExchangeView() = default;
  // Replaces the status line; isError shows it as a failure (red).
  virtual void ShowStatus(const std::string& text, bool isError) = 0;
  virtual void AddListLine(const TRecvInfo& line) = 0;
  // Back to an empty list.
  virtual void ClearList() = 0;
  // A heading and one line for each recipient or record that was passed over.
  virtual void ShowWarnings(const std::string& heading, const std::vector<std::string>& lines) = 0;
};

// A view that shows nothing: for benchmarks and fuzzing, where only the data counts.
class TSilentExchangeView : public IExchangeView {
 public:
  void ShowStatus(const std::string&, bool) override {}
  void AddListLine(const TRecvInfo&) override {}
  void ClearList() override {}
  void ShowWarnings(const std::string&, const std::vector<std::string>&) override {}
};

}  // namespace selvane
