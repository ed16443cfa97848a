#include "edi/TerminalExchangeView.h"

#include "core/TerminalWaitMsg.h"

namespace selvane {

void TTerminalExchangeView::ShowStatus(const std::string& text, bool isError) {
  out_ << (isError ? "error: " : "status: ") << OneLine(text) << '\n';
}

void TTerminalExchangeView::AddListLine(const TRecvInfo& line) {
  out_ << "file: " << OneLine(line.KigwanName) << '\t' << OneLine(line.FileName) << '\t';
  if (line.Count >= 0) out_ << line.Count;
  out_ << '\t' << RecvRemark(line) << '\n';
}

void TTerminalExchangeView::ShowWarnings(const std::string& heading,
                                         const std::vector<std::string>& lines) {
  out_ << "warning: " << OneLine(heading) << '\n';
  for (const std::string& line : lines) out_ << "warning: " << OneLine(line) << '\n';
}

}  // namespace selvane
