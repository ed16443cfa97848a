// The send/receive window: opened modally by the main window in one of four modes (send,
// receive, send and receive, re-receive). It builds the request files, waits for the send
// button, runs the exchange with the EDI component and lists the files it made or read. The work
// itself is TExchange's; the window is its status line and list.
#pragma once

#include <QDialog>
#include <memory>

#include "edi/ExchangeView.h"

class QLabel;
class QPushButton;
class QTableWidget;

namespace selvane {

class TDModule;
class TExchange;

class TFrmNorvaEdi : public QDialog, public IExchangeView {
  Q_OBJECT

 public:
  explicit TFrmNorvaEdi(TDModule& dm, QWidget* parent = nullptr);
  ~TFrmNorvaEdi() override;

  // 1 send, 2 receive, 3 send and receive, 4 re-receive; set before the window is shown. A
  // receive-only choice in mode 3 turns it into 2.
  int Mode = 1;

  QLabel* TitleLabel;
  QTableWidget* Grid;
  QLabel* StatusLabel;
  QPushButton* btnSend;
  QPushButton* btnStop;
  QPushButton* btnExit;

  // Whether the activation's work has run (once, right after the window is first shown).
  bool Activated() const { return activated_; }
  // Whether the status line shows a failure (red).
  bool StatusIsError() const { return statusIsError_; }
  // How the grid draws the text of a cell: row 0 is the title row.
  static Qt::Alignment CellAlignment(int row, int column);

  void ShowStatus(const std::string& text, bool isError) override;
  void AddListLine(const TRecvInfo& line) override;
  void ClearList() override;
  // One warning box: the heading and the first lines, with the number of the others.
  void ShowWarnings(const std::string& heading, const std::vector<std::string>& lines) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormActivate();
  void btnSendClick();
  void btnStopClick();
  void btnExitClick();
  void Receive();
  // The exchange runs with only the close button shown, disabled until it ends.
  void RunExchange();
  void SetCell(int row, int column, const std::string& text);

  TDModule& dm_;
  std::unique_ptr<TExchange> exchange_;
  bool started_ = false;
  bool activated_ = false;
  bool statusIsError_ = false;
};

// Opens the window in that mode modally on the program's data module.
void ShowNorvaEdi(int mode, QWidget* parent);

}  // namespace selvane
