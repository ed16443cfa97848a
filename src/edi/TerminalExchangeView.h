// The exchange view of selvane-cli: each status text and list line becomes one output line,
// "status: TEXT", "error: TEXT" or "file: INSTITUTION<TAB>FILE<TAB>COUNT<TAB>REMARK"; a warning
// is its heading and each of its lines as "warning: TEXT".
#pragma once

#include <ostream>

#include "edi/ExchangeView.h"

namespace selvane {

class TTerminalExchangeView : public IExchangeView {
 public:
  explicit TTerminalExchangeView(std::ostream& out) : out_(out) {}

  void ShowStatus(const std::string& text, bool isError) override;
  void AddListLine(const TRecvInfo& line) override;
  void ClearList() override {}
  void ShowWarnings(const std::string& heading, const std::vector<std::string>& lines) override;

 private:
  std::ostream& out_;
};

}  // namespace selvane
