#include "core/WaitMsg.h"

#include <cmath>

namespace selvane {
namespace {

class TSilentWaitMsg : public IWaitMsg {
 public:
  void ShowWait(const std::string&) override {}
  void ShowWaitProgress(const std::string&, int, int, bool) override {}
  void StepWaitProgress() override {}
  void HideWait() override {}
  void RestoreWait() override {}
  void CloseWait() override {}
  void MessageBox(TMsgKind, const std::string&, const std::string&) override {}
  bool ConfirmBox(const std::string&, bool) override { return false; }
  int AskBox(const std::string&, unsigned buttons) override {
    return (buttons & mbNo) ? mrNo : mrCancel;
  }
  bool YesNoBox(const std::string&, const std::string&, bool) override { return false; }
};

TSilentWaitMsg g_silent;
IWaitMsg* g_current = &g_silent;

}  // namespace

void InstallWaitMsg(IWaitMsg* implementation) {
  g_current = implementation != nullptr ? implementation : &g_silent;
}

IWaitMsg& CurrentWaitMsg() {
  return *g_current;
}

std::string WaitProgressLabel(int position, int maximum, bool countMode) {
  if (countMode) return std::to_string(position) + "/" + std::to_string(maximum);
  double percent = maximum != 0 ? static_cast<double>(position) / maximum * 100.0 : 0.0;
  // nearbyint rounds half to even in the default rounding mode.
  return std::to_string(static_cast<long long>(std::nearbyint(percent))) + " %";
}

void ShowWait(const std::string& message) {
  g_current->ShowWait(message);
}
void ShowWaitProgress(const std::string& message, int minimum, int maximum, bool countMode) {
  g_current->ShowWaitProgress(message, minimum, maximum, countMode);
}
void StepWaitProgress() {
  g_current->StepWaitProgress();
}
void HideWait() {
  g_current->HideWait();
}
void RestoreWait() {
  g_current->RestoreWait();
}
void CloseWait() {
  g_current->CloseWait();
}
void InfoBox(const std::string& message) {
  MessageBox(TMsgKind::Info, message, kProgramTitle);
}
void WarningBox(const std::string& message) {
  MessageBox(TMsgKind::Warning, message, kProgramTitle);
}
void ErrorBox(const std::string& message) {
  MessageBox(TMsgKind::Error, message, kProgramTitle);
}
void MessageBox(TMsgKind kind, const std::string& message, const std::string& caption) {
  g_current->MessageBox(kind, message, caption);
}
bool ConfirmBox(const std::string& message, bool defaultIsYes) {
  return g_current->ConfirmBox(message, defaultIsYes);
}
int AskBox(const std::string& message, unsigned buttons) {
  return g_current->AskBox(message, buttons);
}
bool YesNoBox(const std::string& message, const std::string& caption, bool warningIcon) {
  return g_current->YesNoBox(message, caption, warningIcon);
}

}  // namespace selvane
