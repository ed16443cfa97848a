#include "edi/TerminalExchangeView.h"

#include "core/TerminalWaitMsg.h"

namespace selvane {

void TTerminalExchangeView::ShowStatus(const std::string& text, bool isError) {
  out_ << (isError ? "error: " : "status: ") << OneLine(text) << '\n';
}

void TTerminalExchangeView::AddListLine(const TRecvInfo& line) {
  out_ << "file: " << OneLine(line.KigwanName) << '\t' << OneLine(line.FileName) << '\t';
  if (line.Count >= 0) out_ << line.Count;
  out_ << '\t' << RecvKindRemark(line.Kind) << '\n';
}

}  // namespace selvane
