#include "edi/EDIRecv.h"

#include <algorithm>
#include <filesystem>

#include "core/BankCodes.h"
#include "core/EdiFolders.h"
#include "core/FileRoutines.h"
#include "core/Globals.h"
#include "formats/RecvTrans_Cheju.h"
#include "formats/RecvTrans_FisherCorp.h"
#include "formats/RecvTrans_ForeignExchange.h"
#include "formats/RecvTrans_House.h"
#include "formats/RecvTrans_JeonBuk.h"
#include "formats/RecvTrans_Kiup.h"
#include "formats/RecvTrans_NongHyup.h"
#include "formats/RecvTrans_NongHyupMember.h"
#include "formats/RecvTrans_Sinhan.h"
#include "formats/Recv_Standard.h"

namespace selvane {
namespace {

// The receive table, in the order the codes are tested; it differs from the send table's order
// but no code is served twice. The Hanvit answer is read as the standard one; families without
// a reader of their own yet are read in the standard format.
const TRecvFormat kRecvFormats[] = {
    {"Jeonbuk", &IsJeonbukBank, &RecvTrans_JeonBuk},
    {"NongHyupCentral", &IsNongHyupCentral, &RecvTrans_NongHyup},
    {"NongHyupMember", &IsNongHyupMember, &RecvTrans_NongHyupMember},
    {"Industrial", &IsIndustrialBank, &RecvTrans_Kiup},
    {"Housing", &IsHousingBank, &RecvTrans_House},
    {"Fisheries", &IsFisheriesBank, &RecvTrans_FisherCorp},
    {"ForeignExchange", &IsForeignExchangeBank, &RecvTrans_ForeignExchange},
    {"Hanvit", &IsHanvitBank, &Recv_Standard},
    {"Shinhan", &IsShinhanBank, &RecvTrans_Sinhan},
    {"Jeju", &IsJejuBank, &RecvTrans_Cheju},
    {"Standard", nullptr, &Recv_Standard},
};

// A stored RecvName names a file of the receive folder only as a plain name.
bool IsPlainFileName(const std::string& name) {
  return !name.empty() && name != "." && name != ".." && name.find('/') == std::string::npos &&
         name.find('\\') == std::string::npos;
}

std::string Upper(std::string text) {
  for (char& c : text)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return text;
}

std::string UpperName(const std::string& path) {
  return Upper(std::filesystem::path(path).filename().string());
}

}  // namespace

std::span<const TRecvFormat> RecvFormats() {
  return kRecvFormats;
}

const TRecvFormat& RecvFormatFor(std::string_view bankId) {
  for (const auto& format : kRecvFormats)
    if (format.Serves == nullptr || format.Serves(bankId)) return format;
  return kRecvFormats[std::size(kRecvFormats) - 1];
}

std::vector<TReceiveEntry> ReceiveWorkList(TDModule& dm) {
  TStatement& select =
      dm.Database.Prepare("SELECT BankID, RecvName FROM KiGwan ORDER BY KigwanID, KiGwanName");
  select.Bind({});
  std::vector<TReceiveEntry> list;
  while (select.Step()) {
    std::string name = select.Column(1).AsString();
    if (!IsPlainFileName(name)) continue;
    std::error_code ec;
    std::string path = RecvDir + name;
    if (std::filesystem::is_regular_file(path, ec))
      list.push_back({Upper(select.Column(0).AsString()), path});
  }
  select.Reset();
  return list;
}

std::string ReceivedFilesFolder() {
  return RecvDir + "Old/";
}

bool DispatchResultFile(std::vector<TReceiveEntry>& list, TDModule& dm, IExchangeView& view,
                        TResultReport* report) {
  if (list.empty()) return false;
  TReceiveEntry entry = std::move(list.front());
  list.erase(list.begin());

  dm.Database.BeginWrite();
  dm.Database.ExecScript("SAVEPOINT result_file");
  TResultReport result;
  try {
    result = RecvFormatFor(entry.BankId).Read(entry.FileName, dm);
    if (!result.Complete) dm.Database.ExecScript("ROLLBACK TO result_file");
    dm.Database.ExecScript("RELEASE result_file");
  } catch (const std::exception&) {
    try {
      dm.Database.ExecScript("ROLLBACK TO result_file; RELEASE result_file");
    } catch (const std::exception&) {
    }
    throw;
  }

  const std::string name = UpperName(entry.FileName);
  if (!result.Opened || !result.Complete) {
    // Half a file would leave some recipients paid and the rest waiting without a word.
    result.Applied = 0;
    result.Lines = {
        {result.Institution, name, result.Opened ? rkIncomplete : rkUnreadable, -1, {}}};
  }
  for (const TRecvInfo& line : result.Lines) view.AddListLine(line);
  if (!result.Skipped.empty()) {
    std::vector<std::string> lines;
    for (const TSkippedRecord& skipped : result.Skipped)
      lines.push_back(SkippedRecordText(skipped));
    view.ShowWarnings(SkippedRecordsHeading(name, static_cast<int>(result.Skipped.size())), lines);
  }
  if (report != nullptr) *report = std::move(result);
  return true;
}

bool ApplyResultFiles(TDModule& dm, IExchangeView& view) {
  if (CountFiles(RecvDir) == 0) return true;
  view.ShowStatus("수신 처리를 준비중입니다.", false);
  view.ShowStatus("자금이체 자료 확인중입니다.", false);
  std::vector<std::string> read;
  try {
    const std::string folders = ExchangeFoldersProblem();
    if (!folders.empty()) throw TDataError(folders);
    std::vector<TReceiveEntry> list = ReceiveWorkList(dm);
    for (const TReceiveEntry& entry : list) read.push_back(entry.FileName);
    if (!list.empty()) {
      view.ShowStatus("자금이체 자료 처리중입니다.", false);
      while (DispatchResultFile(list, dm, view)) {
      }
    }
    dm.Database.Commit();
  } catch (const std::exception& error) {
    try {
      dm.Database.Rollback();
    } catch (const std::exception&) {
    }
    view.ShowStatus(std::string("수신 자료 처리 실패. ") + error.what(), true);
    return false;
  }
  for (TTable* table : {&dm.TB_Trans, &dm.TB_TransSub})
    if (table->Active()) table->Refresh();

  std::sort(read.begin(), read.end());
  read.erase(std::unique(read.begin(), read.end()), read.end());
  for (const std::string& file : read) {
    std::string error;
    if (!MoveFileToFolder(file, ReceivedFilesFolder(), error)) {
      view.ShowStatus(
          "수신 자료는 처리했으나 파일을 옮기지 못했습니다. 다시 처리하기 전에 이 파일을 "
          "옮기십시오: " +
              error,
          true);
      return false;
    }
  }
  view.ShowStatus("수신 자료 처리 완료.", false);
  return true;
}

void ListForeignFiles(TDModule& dm, IExchangeView& view) {
  std::vector<std::string> files;
  ListFiles(RecvDir, "*.*", files);
  TStatement& find = dm.Database.Prepare("SELECT 1 FROM KiGwan WHERE RecvName = ?1 LIMIT 1");
  for (const std::string& file : files) {
    std::string name = Upper(file);
    find.Bind({TValue(name)});
    bool known = find.Step();
    find.Reset();
    if (known) continue;
    view.AddListLine({"알수없음", file, rkForeignFile, -1, {}});
    std::string error;
    if (!MoveFileToFolder(RecvDir + file, ReceivedFilesFolder(), error))
      view.ShowStatus("수신 대상이 아닌 파일을 옮기지 못했습니다: " + error, true);
  }
}

}  // namespace selvane
