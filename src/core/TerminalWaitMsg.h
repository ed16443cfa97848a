// The message interface of selvane-cli: message boxes become output lines ("info: TEXT"),
// questions are answered by the --yes / --no option or fail the command.
#pragma once

#include <optional>
#include <ostream>
#include <stdexcept>

#include "core/WaitMsg.h"

namespace selvane {

// A question that no --yes or --no answers; the command ends with exit status 2.
class TUnansweredQuestion : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A text as one output line: line breaks become "\n".
std::string OneLine(const std::string& text);

class TTerminalWaitMsg : public IWaitMsg {
 public:
  TTerminalWaitMsg(std::ostream& out, std::optional<bool> answer) : out_(out), answer_(answer) {}

  void ShowWait(const std::string&) override {}
  void ShowWaitProgress(const std::string&, int, int, bool) override {}
  void StepWaitProgress() override {}
  void HideWait() override {}
  void RestoreWait() override {}
  void CloseWait() override {}
  void MessageBox(TMsgKind kind, const std::string& message, const std::string& caption) override;
  bool ConfirmBox(const std::string& message, bool defaultIsYes) override;
  int AskBox(const std::string& message, unsigned buttons) override;
  bool YesNoBox(const std::string& message, const std::string& caption, bool) override;

 private:
  bool Answer(const std::string& message);
  std::ostream& out_;
  std::optional<bool> answer_;
};

}  // namespace selvane
