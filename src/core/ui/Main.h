// The main window: the program's only permanent window. Its menu bar, tool bar (with the pop-up
// menu of the code settings button) and status bar carry every command of the program. Each
// command is a QAction found by its object name (menu items "Mnu...", tool-bar buttons "Btn...",
// pop-up items "Pop..."); a tool-bar button or pop-up item only triggers the menu action it
// stands for, so wiring the menu action wires all of them.
#pragma once

#include <QMainWindow>
#include <functional>

class QAction;
class QWebEngineView;
class QLabel;
class QMenu;
class QToolBar;
class QToolButton;

namespace selvane {

// The support telephone number of the status bar.
inline constexpr const char* kSupportTelephone = "1588-7382";

class TFrmMain : public QMainWindow {
  Q_OBJECT

 public:
  explicit TFrmMain(QWidget* parent = nullptr);

  // The menu item named (e.g. "MnuTrans"); nullptr when there is none.
  QAction* MenuAction(const QString& objectName) const;

  // The send/receive window in a mode (1 send, 2 receive, 3 send and receive, 4 re-receive),
  // shown modally. The four communication items are usable once an opener is installed.
  void SetNorvaEdiOpener(std::function<void(int mode)> opener);

  // Every activation: a first command-line argument sets test mode ("TEST" in any letter case).
  void FormActivate();

  QMenu* PopCodes;  // the pop-up menu of the tool-bar button "코드설정"
  QToolBar* ToolBar;
  QLabel* StatusPanels[3];
  // The communication type read at creation; -1 when the setting is missing.
  int ComType = -1;
  // The upgrade launcher was started (at creation or by "지금 업그레이드"): the program ends.
  bool UpgradeLaunched = false;
  // The notice panel along the right edge and its browser (made when the window is first shown).
  QWidget* PnlNotice;
  QWebEngineView* WebNotice = nullptr;

 signals:
  // The window has closed and the program ends.
  void Closed();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void CreateMenus();
  void CreateToolBar();
  void CreateStatusBar();
  QAction* AddItem(QMenu* menu, const char* objectName, const char* text, bool enabled);
  // An action that triggers target and follows its enabled state.
  QAction* Forward(QAction* target, const char* objectName, const QString& text);
  void BtnCodesClick();
  void FormCreate();
  void WireCommands();
  void FormShow();
  void ShowNotice();
  void NoticeLoadFinished(bool ok);
  void SendClick(int mode);
  // Ends the program for the launcher, without the exit question.
  void EndForUpgrade();
  void RecvClick(int mode);

  std::function<void(int mode)> openNorvaEdi_;
  bool FormCloseQuery();
  void FormClose();
};

}  // namespace selvane
