#include "edi/Exchange.h"

#include "core/EdiFolders.h"
#include "core/FileRoutines.h"
#include "core/Globals.h"
#include "core/WaitMsg.h"
#include "edi/EDIRecv.h"
#include "edi/EdiLibrary.h"

namespace selvane {

std::string ExchangeCaption(int mode) {
  switch (mode) {
    case emSend:
      return "송신";
    case emReceive:
      return "수신";
    case emSendReceive:
      return "송수신";
    case emReReceive:
      return "재수신";
    default:
      return std::string();
  }
}

bool TExchange::Build() {
  if (!BuildRequestFiles(dm_, view_, Written)) return false;
  Status(Mode == emSendReceive ? "\"송수신\" 버튼을 누르세요." : "\"송신\" 버튼을 누르세요.");
  return true;
}

bool TExchange::AskReceiveOnly() {
  if (Mode != emSendReceive || !ConfirmBox(kReceiveOnlyQuestion, true)) return false;
  Mode = emReceive;
  return true;
}

bool TExchange::ReceiveStep(bool (*receive)()) {
  if (TestMode) {
    // Yes processes the files already in the receive folder.
    if (ConfirmBox(kOfflineQuestion, false)) return true;
    DeleteAllFiles(RecvDir);
  }
  return receive();
}

void TExchange::RecordSent() {
  const std::string caption = ExchangeCaption(Mode);
  if (!SendOk) {
    Status(caption + " 실패.", true);
    return;
  }
  Status("송신 상태를 기록합니다.");
  // Only the rows of the request files: orders pending beside them were not sent.
  dm_.MarkWaitingAsSent(Written.Orders, Written.Recipients);
  Written = TWrittenRows();
  Status(caption + " 성공.");
}

bool TExchange::Run() {
  PrepareEdiFolders();
  if (Mode != emSend && !TestMode) DeleteAllFiles(RecvDir);
  Status(ExchangeCaption(Mode) + " 처리중입니다.");

  SendOk = false;
  bool receiveOk = false;
  switch (Mode) {
    case emSend:
      SendOk = (TestMode && ConfirmBox(kOfflineQuestion, false)) || EdiSend();
      break;
    case emReceive:
      receiveOk = ReceiveStep(&EdiReceive);
      break;
    case emSendReceive:
      DeleteAllFiles(RecvDir);
      EdiSendReceive(SendOk, receiveOk);
      break;
    case emReReceive:
      receiveOk = ReceiveStep(&EdiReReceive);
      break;
    default:
      return false;
  }

  if (Mode == emSend || Mode == emSendReceive) RecordSent();
  if (Mode == emSend) return false;

  if (Mode != emSendReceive && receiveOk && CountFiles(RecvDir) == 0) receiveOk = false;
  if (!receiveOk) {
    // A failed send keeps its red line; a failed receive after a good send must not stand as
    // the send's success.
    if (Mode != emSendReceive || SendOk)
      Status(TestMode && Mode != emSendReceive ? "수신 처리할 파일이 없습니다." : EdiLastMessage());
  }
  return receiveOk;
}

bool TExchange::ApplyResults() {
  view_.ClearList();
  bool ok = ApplyResultFiles(dm_, view_);
  ListForeignFiles(dm_, view_);
  return ok;
}

}  // namespace selvane
