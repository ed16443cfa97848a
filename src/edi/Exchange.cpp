#include "edi/Exchange.h"

#include "core/EdiFolders.h"
#include "core/FileRoutines.h"
#include "core/Globals.h"
#include "core/WaitMsg.h"
#include "edi/EDIRecv.h"
#include "edi/EdiLibrary.h"
#include "edi/SentRecord.h"

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

bool TExchange::ClearReceiveFolder() {
  std::string error;
  if (MoveAllFiles(RecvDir, ReceivedFilesFolder(), error)) return true;
  Status(ExchangeCaption(Mode) + " 실패. 수신 폴더의 파일을 옮길 수 없습니다: " + error, true);
  return false;
}

bool TExchange::ReceiveStep(bool (*receive)()) {
  if (TestMode) {
    // Yes processes the files already in the receive folder.
    if (ConfirmBox(kOfflineQuestion, false)) return true;
    if (!ClearReceiveFolder()) return false;
  }
  return receive();
}

bool TExchange::SendRecorded(const std::function<bool()>& handOver) {
  const std::string caption = ExchangeCaption(Mode);
  std::string record;
  try {
    dm_.BeginMarkSent(Written.Orders, Written.Recipients);
    record = WriteSentRecord(dm_, Written);
  } catch (const TDataError& error) {
    dm_.RollbackAllTables();
    Status(caption + " 실패. " + error.what(), true);
    return false;
  }
  if (!handOver()) {
    dm_.RollbackAllTables();
    RemoveSentRecord(record);
    Status(caption + " 실패. " + EdiLastMessage(), true);
    return false;
  }
  Status("송신 상태를 기록합니다.");
  try {
    dm_.CommitAllTables();
  } catch (const TDataError& error) {
    std::string kept = record;
    try {
      kept = MarkRecordSent(record);
    } catch (const TDataError&) {
      // A record left pending stops the next build too, until the user has looked.
    }
    StateRecorded = false;
    Status(kStateNotRecorded, true);
    ErrorBox(std::string(kStateNotRecorded) + "\r" + error.what() + "\r송신 기록: " + kept);
    return true;
  }
  RemoveSentRecord(record);
  dm_.RefreshAllTables();
  Written = TWrittenRows();
  Status(caption + " 성공.");
  return true;
}

bool TExchange::Run() {
  PrepareEdiFolders();
  const std::string caption = ExchangeCaption(Mode);
  const std::string folders = ExchangeFoldersProblem();
  if (!folders.empty()) {
    Status(caption + " 실패. " + folders, true);
    return false;
  }
  if (Mode != emSend && !TestMode && !ClearReceiveFolder()) return false;
  Status(caption + " 처리중입니다.");

  SendOk = false;
  StateRecorded = true;
  bool receiveOk = false;
  switch (Mode) {
    case emSend:
      SendOk = SendRecorded(
          [] { return (TestMode && ConfirmBox(kOfflineQuestion, false)) || EdiSend(); });
      return false;
    case emReceive:
      receiveOk = ReceiveStep(&EdiReceive);
      break;
    case emSendReceive:
      if (!ClearReceiveFolder()) return false;
      SendRecorded([&] {
        EdiSendReceive(SendOk, receiveOk);
        return SendOk;
      });
      break;
    case emReReceive:
      receiveOk = ReceiveStep(&EdiReReceive);
      break;
    default:
      return false;
  }

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
