#include "support/DataFolder.h"

#include <algorithm>
#include <filesystem>

#include "core/Clock.h"
#include "core/DiskSpace.h"
#include "core/Globals.h"
#include "core/IniFile.h"
#include "core/ProgramFolderSetup.h"
#include "core/SqliteFile.h"
#include "core/TextRoutines.h"

namespace selvane::test {
namespace fs = std::filesystem;
namespace {

std::string Normal(const std::string& folder) {
  return WithBackslash(fs::path(folder).lexically_normal().string());
}

std::vector<std::string> Names(const std::string& folder, const std::string& prefix) {
  std::vector<std::string> names;
  std::error_code ec;
  for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
    names.push_back(prefix + it->path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

}  // namespace

std::string DumpDatabase(const std::string& fileName) {
  TSqliteFile file(fileName, TSqliteFile::ReadWrite);
  std::string dump;
  for (const std::string& table :
       file.Column("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")) {
    std::string row;
    for (const std::string& column : file.Column("SELECT name FROM pragma_table_info(?1)", {table}))
      row += (row.empty() ? "" : " || ',' || ") + std::string("quote(") + QuoteName(column) + ")";
    dump += table + "\n";
    for (const std::string& line :
         file.Column("SELECT " + row + " FROM " + QuoteName(table) + " ORDER BY rowid"))
      dump += "  " + line + "\n";
  }
  return dump;
}

int TScriptedQuestions::AskBox(const std::string& message, unsigned buttons) {
  if (script_.empty()) {
    ADD_FAILURE() << "unscripted question: " << message;
    return TScriptedWaitMsg::AskBox(message, buttons);
  }
  TStep step = std::move(script_.front());
  script_.pop_front();
  if (step.Before) step.Before();
  QueueAsk(step.Answer);
  return TScriptedWaitMsg::AskBox(message, buttons);
}

TRemovableMedia::TRemovableMedia(std::string mount, std::string shelf, std::int64_t capacity)
    : mount_(Normal(mount)), shelf_(Normal(shelf)), capacity_(capacity) {
  fs::create_directories(shelf_);
  SetDiskFreeProbe([this](const std::string& folder) -> std::int64_t {
    if (Normal(folder) != mount_) return SystemDiskFree(folder);
    std::error_code ec;
    if (!fs::is_directory(mount_, ec)) return -1;
    std::int64_t used = 0;
    for (fs::directory_iterator it(mount_, ec), end; !ec && it != end; it.increment(ec))
      used += static_cast<std::int64_t>(it->file_size(ec));
    return std::max<std::int64_t>(capacity_ - used, 0);
  });
}

TRemovableMedia::~TRemovableMedia() {
  SetDiskFreeProbe({});
}

std::string TRemovableMedia::Slot(int index) const {
  return shelf_ + "medium-" + std::to_string(index) + "/";
}

void TRemovableMedia::Eject() {
  if (current_ < 0) return;
  fs::rename(fs::path(mount_).parent_path(), fs::path(Slot(current_)).parent_path());
  current_ = -1;
}

void TRemovableMedia::InsertBlank() {
  Eject();
  fs::create_directories(Slot(count_));
  Insert(count_++);
}

void TRemovableMedia::Insert(int index) {
  Eject();
  fs::rename(fs::path(Slot(index)).parent_path(), fs::path(mount_).parent_path());
  current_ = index;
}

void TRemovableMedia::Next() {
  int next = current_ + 1;
  Eject();
  if (next < count_)
    Insert(next);
  else
    InsertBlank();
}

std::vector<std::vector<std::string>> TRemovableMedia::Contents() const {
  std::vector<std::vector<std::string>> media;
  for (int i = 0; i < count_; ++i) {
    std::string folder = i == current_ ? mount_ : Slot(i);
    std::vector<std::string> files;
    for (const std::string& name : Names(folder, ""))
      files.push_back(name + " " + std::to_string(fs::file_size(folder + name)));
    media.push_back(files);
  }
  return media;
}

std::string TRemovableMedia::JoinedBytes() const {
  std::string bytes;
  for (int i = 0; i < count_; ++i) {
    std::string folder = i == current_ ? mount_ : Slot(i);
    for (const std::string& name : Names(folder, "")) bytes += TTempFolder::ReadFile(folder + name);
  }
  return bytes;
}

void TDataFolderTest::SetUp() {
  home_ = folder_.Path() + "program/";
  PrepareProgramFolder(home_);
  SetProgramHome(home_);
  LoadWorkingFolders();
  SetClock(TDateTime{{2002, 9, 15}, 10, 0, 0});
  Sql("INSERT INTO KiGwan (KigwanID, KiGwanName, BankID, SendName, RecvName)"
      "  VALUES (1, '종로구청', '04', 'SND01', 'RCV01');"
      "INSERT INTO TBManager (DongID, DongNm) VALUES ('0001', '청운동');"
      "INSERT INTO TBLargeItem (LargeItmId, LargeItmNm) VALUES ('01', '기초생활');"
      "INSERT INTO TBTrans (KigwanId, DongID, LargeItmID, TotalSum, ECount, A_Date, To_date,"
      "  State) VALUES (1, '0001', '01', 152500, 2, '2002-09-16', '2002-09-18', 1);"
      "INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy,"
      "  Name, State, JaGubun) VALUES"
      "  (1, '0001', '01', '04', '123-4567-8901', '700101-1234567', 150000, '홍길동', 1, 2),"
      "  (1, '0001', '01', '04', '100-01-0000-123', '800202-2345678', 2500, '김영희', 1, NULL);");
}

void TDataFolderTest::TearDown() {
  EXPECT_TRUE(messages_.ScriptUsed()) << "a scripted answer was left over";
  SetDiskFreeProbe({});
  SetClock(std::nullopt);
  SetProgramHome("");
}

void TDataFolderTest::AddRecipients(int count) {
  Sql("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
      std::to_string(count) +
      ") INSERT INTO TBTransSub (KigwanId, DongId, LargeitmId, BankId, BankNo, Jumin, Monecy,"
      " Name, State) SELECT 1, '0001', '01', '88', printf('9%011d', i), hex(randomblob(7)),"
      " i * 10, hex(randomblob(10)), 1 FROM n;");
}

void TDataFolderTest::Sql(const std::string& sql) {
  TSqliteFile(DatabaseFileName(), TSqliteFile::ReadWrite).Script(sql);
}

std::string TDataFolderTest::Dump() const {
  return DumpDatabase(DatabaseFileName());
}

std::string TDataFolderTest::DatabaseBytes() const {
  return TTempFolder::ReadFile(DatabaseFileName());
}

std::vector<std::string> TDataFolderTest::ProgramFiles() const {
  std::vector<std::string> names = Names(home_, "");
  for (const std::string& name : Names(home_ + "Data/", "Data/")) names.push_back(name);
  std::sort(names.begin(), names.end());
  return names;
}

void TDataFolderTest::SetDriveA(const std::string& folder) {
  ASSERT_TRUE(TIniFile(IniFileName).WriteString("Drives", "A", folder));
}

}  // namespace selvane::test
