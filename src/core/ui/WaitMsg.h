// The waiting window and the message boxes of the desktop program: the Qt side of the message
// interface. Every routine processes pending window events before it returns, so that the
// change is painted at once even inside a long loop on the user-interface thread.
#pragma once

#include <QFrame>
#include <QPoint>
#include <QPointer>

#include "core/WaitMsg.h"

class QLabel;
class QProgressBar;

namespace selvane {

// A small borderless window that stays on top and can be dragged by pressing anywhere on it:
// the application's icon, the message and, in progress mode, a bar with the percent label above
// its right end.
class TfrmWaitMsg : public QFrame {
  Q_OBJECT

 public:
  TfrmWaitMsg();

  void SetMessage(const std::string& message, bool centred);
  void StartProgress(int minimum, int maximum, bool countMode);
  void Step();
  int Position() const { return position_; }

  QLabel* ImgIcon;
  QLabel* LblMessage;
  QLabel* LblPercent;
  QProgressBar* ProgressBar;

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  void ShowPosition();
  int minimum_ = 0;
  int maximum_ = 100;
  int position_ = 0;
  bool countMode_ = false;
  QPoint dragOffset_;
};

class TQtWaitMsg : public IWaitMsg {
 public:
  TQtWaitMsg() = default;
  ~TQtWaitMsg() override;

  // The waiting window while one exists.
  TfrmWaitMsg* WaitWindow() const { return frmWaitMsg_; }

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
  bool YesNoBox(const std::string& message, const std::string& caption, bool warningIcon) override;

 private:
  TfrmWaitMsg& Window();
  QPointer<TfrmWaitMsg> frmWaitMsg_;
};

}  // namespace selvane
