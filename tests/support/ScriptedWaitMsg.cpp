#include "support/ScriptedWaitMsg.h"

#include "support/TestFailure.h"

namespace selvane::test {

TScriptedWaitMsg::TScriptedWaitMsg() {
  InstallWaitMsg(this);
}
TScriptedWaitMsg::~TScriptedWaitMsg() {
  InstallWaitMsg(nullptr);
  // After a failed assertion the rest of the test did not run: its questions were never asked.
  std::size_t left = confirmAnswers_.size() + askAnswers_.size();
  if (left > 0 && !TestHasFailed())
    FailTest(std::to_string(left) +
             " scripted answer(s) left: a question was asked fewer times "
             "than scripted");
}

std::vector<std::string> TScriptedWaitMsg::Texts() const {
  std::vector<std::string> texts;
  for (const auto& m : messages_) texts.push_back(m.Text);
  return texts;
}

void TScriptedWaitMsg::Clear() {
  messages_.clear();
  waitCalls_.clear();
}

void TScriptedWaitMsg::ShowWait(const std::string& message) {
  waitCalls_.push_back("ShowWait:" + message);
}
void TScriptedWaitMsg::ShowWaitProgress(const std::string& message, int minimum, int maximum,
                                        bool countMode) {
  waitCalls_.push_back("ShowWaitProgress:" + message + ":" + std::to_string(minimum) + ":" +
                       std::to_string(maximum) + (countMode ? ":count" : ":percent"));
}
void TScriptedWaitMsg::StepWaitProgress() {
  waitCalls_.push_back("Step");
}
void TScriptedWaitMsg::HideWait() {
  waitCalls_.push_back("Hide");
}
void TScriptedWaitMsg::RestoreWait() {
  waitCalls_.push_back("Restore");
}
void TScriptedWaitMsg::CloseWait() {
  waitCalls_.push_back("Close");
}

void TScriptedWaitMsg::MessageBox(TMsgKind kind, const std::string& message,
                                  const std::string& caption) {
  const char* name = kind == TMsgKind::Info      ? "info"
                     : kind == TMsgKind::Warning ? "warning"
                                                 : "error";
  messages_.push_back({name, message, caption});
}

bool TScriptedWaitMsg::NextConfirmAnswer(const std::string& message) {
  if (confirmAnswers_.empty()) {
    FailTest("question without a scripted answer: " + message);
    return false;
  }
  bool answer = confirmAnswers_.front();
  confirmAnswers_.pop_front();
  return answer;
}

bool TScriptedWaitMsg::ConfirmBox(const std::string& message, bool) {
  messages_.push_back({"confirm", message, kProgramTitle});
  return NextConfirmAnswer(message);
}

bool TScriptedWaitMsg::YesNoBox(const std::string& message, const std::string& caption, bool) {
  messages_.push_back({"confirm", message, caption});
  return NextConfirmAnswer(message);
}

int TScriptedWaitMsg::AskBox(const std::string& message, unsigned buttons) {
  messages_.push_back({"ask", message, kProgramTitle});
  if (askAnswers_.empty()) {
    FailTest("question without a scripted answer: " + message);
    return (buttons & mbNo) ? mrNo : mrCancel;
  }
  int answer = askAnswers_.front();
  askAnswers_.pop_front();
  return answer;
}

}  // namespace selvane::test
