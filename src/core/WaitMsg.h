// The waiting window and the message boxes. Logic units call these free routines; the program
// installs the implementation that fits where it runs: the Qt windows in the desktop program,
// the terminal in selvane-cli, a scripted recorder in tests.
#pragma once

#include <string>

namespace selvane {

// The program title: caption of the application and of every message box.
inline constexpr const char* kProgramTitle = "보건노르바프로그램 V1.5.4.1";

// Buttons of AskBox, combinable.
enum TMsgButton : unsigned {
  mbYes = 1u << 0,
  mbNo = 1u << 1,
  mbOK = 1u << 2,
  mbCancel = 1u << 3,
  mbAbort = 1u << 4,
  mbRetry = 1u << 5,
  mbIgnore = 1u << 6,
};

// The identifier of the pressed button.
enum TModalResult : int {
  mrNone = 0,
  mrOk = 1,
  mrCancel = 2,
  mrAbort = 3,
  mrRetry = 4,
  mrIgnore = 5,
  mrYes = 6,
  mrNo = 7,
};

// The icon of a message box.
enum class TMsgKind { Info, Warning, Error };

class IWaitMsg {
 public:
  virtual ~IWaitMsg() = default;
  virtual void ShowWait(const std::string& message) = 0;
  virtual void ShowWaitProgress(const std::string& message, int minimum, int maximum,
                                bool countMode) = 0;
  virtual void StepWaitProgress() = 0;
  virtual void HideWait() = 0;
  virtual void RestoreWait() = 0;
  virtual void CloseWait() = 0;
  // CloseWait, then a box with the icon, the text and an OK button. InfoBox, WarningBox and
  // ErrorBox caption it with the program title; a few boxes carry a caption of their own
  // ("입력오류").
  virtual void MessageBox(TMsgKind kind, const std::string& message,
                          const std::string& caption) = 0;
  virtual bool ConfirmBox(const std::string& message, bool defaultIsYes) = 0;
  virtual int AskBox(const std::string& message, unsigned buttons) = 0;
  virtual bool YesNoBox(const std::string& message, const std::string& caption,
                        bool warningIcon) = 0;
};

// Installs the implementation (not owned); nullptr returns to the silent default, which answers
// every question with No.
void InstallWaitMsg(IWaitMsg* implementation);
IWaitMsg& CurrentWaitMsg();

// The percent label of the waiting window in percent mode: position / maximum * 100, rounded
// half to even, followed by " %"; in count mode "position/maximum".
std::string WaitProgressLabel(int position, int maximum, bool countMode);

void ShowWait(const std::string& message);
void ShowWaitProgress(const std::string& message, int minimum, int maximum, bool countMode);
void StepWaitProgress();
void HideWait();
void RestoreWait();
void CloseWait();
void InfoBox(const std::string& message);
void WarningBox(const std::string& message);
void ErrorBox(const std::string& message);
void MessageBox(TMsgKind kind, const std::string& message, const std::string& caption);
bool ConfirmBox(const std::string& message, bool defaultIsYes);
int AskBox(const std::string& message, unsigned buttons);
// A Yes/No question under a caption of its own (not the program title), with the question icon
// or, when warningIcon, the warning icon; the default button is Yes. True only for Yes.
bool YesNoBox(const std::string& message, const std::string& caption, bool warningIcon);

}  // namespace selvane
