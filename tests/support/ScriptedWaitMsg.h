// The message interface of tests: records every message box and waiting-window call, and
// answers questions from a queue. Installs itself while it lives. A question asked with no
// answer queued fails the test (and is answered No, or Cancel where No is not offered); so do
// answers still queued when it ends, since the question they were meant for never came.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "core/WaitMsg.h"

namespace selvane::test {

struct TRecordedMessage {
  std::string Kind;  // "info", "warning", "error", "confirm" (also YesNoBox), "ask"
  std::string Text;
  std::string Caption;
};

class TScriptedWaitMsg : public IWaitMsg {
 public:
  TScriptedWaitMsg();
  ~TScriptedWaitMsg() override;

  // Answers for the next ConfirmBox or YesNoBox (true = Yes) and AskBox (a TModalResult) calls, in
  // order.
  void QueueAnswer(bool yes) { confirmAnswers_.push_back(yes); }
  void QueueAsk(int result) { askAnswers_.push_back(result); }

  const std::vector<TRecordedMessage>& Messages() const { return messages_; }
  // The texts of the recorded messages, in order.
  std::vector<std::string> Texts() const;
  // The waiting-window calls, e.g. "ShowWait:text", "Step", "Close".
  const std::vector<std::string>& WaitCalls() const { return waitCalls_; }
  // Forgets the recorded messages and waiting-window calls; queued answers stay.
  void Clear();

  void ShowWait(const std::string& message) override;
  void ShowWaitProgress(const std::string& message, int minimum, int maximum,
                        bool countMode) override;
  void StepWaitProgress() override;
  void HideWait() override;
  void RestoreWait() override;
  void CloseWait() override;
  void MessageBox(TMsgKind kind, const std::string& message, const std::string& caption) override;
  bool ConfirmBox(const std::string& message, bool defaultIsYes) override;
  int AskBox(const std::string& message, unsigned buttons) override;
  bool YesNoBox(const std::string& message, const std::string& caption, bool) override;

 private:
  bool NextConfirmAnswer(const std::string& message);
  std::vector<TRecordedMessage> messages_;
  std::vector<std::string> waitCalls_;
  std::deque<bool> confirmAnswers_;
  std::deque<int> askAnswers_;
};

}  // namespace selvane::test
