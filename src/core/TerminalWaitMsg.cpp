#include "core/TerminalWaitMsg.h"

namespace selvane {

std::string OneLine(const std::string& text) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') continue;
    if (text[i] == '\n' || text[i] == '\r') {
      line += "\\n";
    } else {
      line += text[i];
    }
  }
  return line;
}

void TTerminalWaitMsg::MessageBox(TMsgKind kind, const std::string& message, const std::string&) {
  const char* prefix = kind == TMsgKind::Info      ? "info: "
                       : kind == TMsgKind::Warning ? "warning: "
                                                   : "error: ";
  out_ << prefix << OneLine(message) << '\n' << std::flush;
}

bool TTerminalWaitMsg::Answer(const std::string& message) {
  if (!answer_) {
    out_ << "question: " << OneLine(message) << '\n' << std::flush;
    throw TUnansweredQuestion("질문에 답하려면 --yes 또는 --no 를 주십시오.");
  }
  out_ << "question: " << OneLine(message) << " -> " << (*answer_ ? "yes" : "no") << '\n'
       << std::flush;
  return *answer_;
}

bool TTerminalWaitMsg::ConfirmBox(const std::string& message, bool) {
  return Answer(message);
}

bool TTerminalWaitMsg::YesNoBox(const std::string& message, const std::string&, bool) {
  return Answer(message);
}

int TTerminalWaitMsg::AskBox(const std::string& message, unsigned buttons) {
  bool yes = Answer(message);
  if (yes) return (buttons & mbYes) ? mrYes : mrOk;
  if (buttons & mbNo) return mrNo;
  return (buttons & mbCancel) ? mrCancel : mrAbort;
}

}  // namespace selvane
