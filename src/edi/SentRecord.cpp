#include "edi/SentRecord.h"

#include <cstring>
#include <filesystem>
#include <sstream>

#include "core/Clock.h"
#include "core/FileRoutines.h"
#include "core/Globals.h"

namespace selvane {
namespace {

constexpr const char* kMark = "# selvane sent record";
constexpr const char* kSentSuffix = ".sent";
constexpr const char* kPendingSuffix = ".pending";

// The rows of a record: "order ROWID KIGWANID" and "recipient ROWID KIGWANID UNITS" lines, the
// institution and amount guarding against a row id taken again by another row.
void AppendRows(TDModule& dm, const char* table, const char* kind,
                const std::vector<std::int64_t>& rows, std::ostringstream& text) {
  const bool recipient = std::string(kind) == "recipient";
  TStatement& select =
      dm.Database.Prepare(std::string("SELECT KigwanId") + (recipient ? ", Monecy" : "") +
                          " FROM " + table + " WHERE rowid = ?1");
  for (auto row : rows) {
    select.Bind({TValue(row)});
    if (select.Step()) {
      text << kind << ' ' << row << ' ' << select.Column(0).AsInteger();
      if (recipient) text << ' ' << select.Column(1).AsMoney().Units();
      text << '\n';
    }
    select.Reset();
  }
}

void StoreRecord(TDModule& dm, const std::string& bytes) {
  std::istringstream lines(bytes);
  std::string line;
  if (!std::getline(lines, line) || line != kMark) throw TDataError("송신 기록이 아닙니다.");
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::string kind;
    std::int64_t row = 0, kigwan = 0, units = 0;
    fields >> kind >> row >> kigwan;
    if (kind == "order") {
      dm.Database.Execute(
          "UPDATE TBTrans SET State = 2 WHERE rowid = ?1 AND KigwanId = ?2 AND State = 1",
          {TValue(row), TValue(kigwan)});
    } else if (kind == "recipient" && fields >> units) {
      dm.Database.Execute(
          "UPDATE TBTransSub SET State = 2 WHERE rowid = ?1 AND KigwanId = ?2 AND Monecy = ?3 "
          "AND State = 1",
          {TValue(row), TValue(kigwan), TValue(TMoney::FromUnits(units))});
    }
  }
}

}  // namespace

std::string SentRecordFolder() {
  return SendDir + "Old/";
}

std::string WriteSentRecord(TDModule& dm, const TWrittenRows& rows) {
  std::ostringstream text;
  text << kMark << '\n' << "# " << Now().StampText() << '\n';
  std::vector<std::string> files;
  ListFiles(SendDir, "*.*", files);
  for (const std::string& file : files) text << "# file " << file << '\n';
  AppendRows(dm, "TBTrans", "order", rows.Orders, text);
  AppendRows(dm, "TBTransSub", "recipient", rows.Recipients, text);
  const std::string base = SentRecordFolder() + "SENT_" + Now().StampText();
  std::string fileName = base + kPendingSuffix;
  for (int n = 2; std::filesystem::exists(fileName) || std::filesystem::exists(base + kSentSuffix);
       ++n)
    fileName = base + "_" + std::to_string(n) + kPendingSuffix;
  std::string error;
  if (!ReplaceFileAtomically(fileName, text.str(), error))
    throw TDataError("송신 기록을 쓸 수 없습니다: " + fileName + " (" + error + ")");
  return fileName;
}

std::string MarkRecordSent(const std::string& pendingFileName) {
  std::string sent =
      pendingFileName.substr(0, pendingFileName.size() - std::strlen(kPendingSuffix)) + kSentSuffix;
  std::error_code ec;
  std::filesystem::rename(pendingFileName, sent, ec);
  if (ec)
    throw TDataError("송신 기록을 바꿀 수 없습니다: " + pendingFileName + " (" + ec.message() +
                     ")");
  return sent;
}

bool RemoveSentRecord(const std::string& fileName) {
  std::error_code ec;
  return std::filesystem::remove(fileName, ec) && !ec;
}

void StoreLeftSentRecords(TDModule& dm, IExchangeView& view) {
  std::vector<std::string> records;
  ListFiles(SentRecordFolder(), std::string("SENT_*") + kPendingSuffix, records);
  if (!records.empty())
    throw TDataError(
        "지난 송신이 끝나지 않은 채 프로그램이 끝났습니다. 은행에 자료가 갔는지 "
        "확인한 뒤 송신 기록을 지우십시오: " +
        SentRecordFolder() + records.front());
  ListFiles(SentRecordFolder(), std::string("SENT_*") + kSentSuffix, records);
  for (const std::string& record : records) {
    const std::string fileName = SentRecordFolder() + record;
    std::string bytes;
    if (!ReadWholeFile(fileName, bytes))
      throw TDataError("송신 기록을 읽을 수 없습니다: " + fileName);
    dm.CommitAllTables();
    try {
      StoreRecord(dm, bytes);
    } catch (const TDataError& error) {
      dm.RollbackAllTables();
      throw TDataError(std::string(error.what()) + " (" + fileName + ")");
    }
    dm.CommitAllTables();
    if (!RemoveSentRecord(fileName)) throw TDataError("송신 기록을 지울 수 없습니다: " + fileName);
    view.ShowStatus("지난 송신의 상태를 기록했습니다: " + record, false);
  }
}

}  // namespace selvane
