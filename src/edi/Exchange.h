// One run of the send/receive window's work, without the window: the build before the send
// button, the exchange with the EDI component for the window's mode, the marking of what was
// sent and the applying of what was received. The window, selvane-cli and the tests drive it
// the same way; everything it shows goes through the exchange view and the message boxes.
#pragma once

#include <functional>
#include <string>

#include "core/DM.h"
#include "edi/EDISend.h"
#include "edi/ExchangeView.h"

namespace selvane {

enum TExchangeMode : int {
  emSend = 1,
  emReceive = 2,
  emSendReceive = 3,
  emReReceive = 4,
};

// The window caption of a mode: "송신", "수신", "송수신", "재수신"; empty for another number.
std::string ExchangeCaption(int mode);

// Asked in send-and-receive mode when there is nothing to send.
inline constexpr const char* kReceiveOnlyQuestion =
    "송신할 자료가 없습니다.\r\r수신 처리만 수행하시겠습니까 ?";
// Shown when the files went to the bank but their sent state could not be stored.
inline constexpr const char* kStateNotRecorded =
    "송신은 되었으나 상태를 기록하지 못했습니다. 다시 송신하지 마십시오.";
// Asked in test mode before a send or receive: Yes works without the EDI network.
inline constexpr const char* kOfflineQuestion =
    "이 프로그램은 장애처리용으로 실행되었습니다.\r\rEDI 망에 접속하지 않고 처리를 "
    "진행하시겠습니까?\r";

class TExchange {
 public:
  TExchange(TDModule& dm, IExchangeView& view, int mode) : dm_(dm), view_(view), Mode(mode) {}

  // Send and send-and-receive modes: writes the request files and keeps what was written for the
  // marking after the send. On success asks, in the status line, for the send button.
  bool Build();
  // Send-and-receive mode after a failed build: asks whether to receive only; Yes switches to
  // receive mode.
  bool AskReceiveOnly();
  // The exchange of the current mode. Returns whether there are received files to apply (never
  // in send mode).
  bool Run();
  // After a receive: the list shows the results, then the files no institution receives.
  bool ApplyResults();

  TDModule& dm_;
  IExchangeView& view_;
  int Mode;
  // What the last build wrote: only these rows are marked sent.
  TWrittenRows Written;
  // Whether the last run's send half succeeded.
  bool SendOk = false;
  // False when the files of a good send went while their sent state could not be stored.
  bool StateRecorded = true;

 private:
  void Status(const std::string& text, bool isError = false) { view_.ShowStatus(text, isError); }
  bool ReceiveStep(bool (*receive)());
  // The files of the build leave the office only with their sent state recorded: the rows are
  // updated in an open transaction (and a record written) before handOver runs, rolled back when
  // it fails and committed when it succeeds. Returns whether the files went.
  bool SendRecorded(const std::function<bool()>& handOver);
  // Moves the files of the receive folder to its Old folder; false after a status with why.
  bool ClearReceiveFolder();
};

}  // namespace selvane
