#include "transfer/DatabaseSwap.h"

#include <fcntl.h>
#include <sqlite3.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "core/DiskSpace.h"
#include "core/EmbeddedSql.h"
#include "core/FileRoutines.h"
#include "core/Globals.h"
#include "core/TextRoutines.h"
#include "core/ZipArchive.h"

namespace selvane {
namespace fs = std::filesystem;
namespace {

constexpr const char* kInUse =
    "다른 프로그램이 자료를 사용하고 있습니다. 그 프로그램을 끝내고 다시 하십시오.";
constexpr const char* kDatabaseEntry = "norva.db";
// What SQLite keeps beside a database file.
constexpr const char* kSidecars[] = {"-wal", "-shm", "-journal"};

// The tables of the program's current structure.
const std::vector<std::string>& ProgramTables() {
  static const std::vector<std::string> tables = [] {
    TSqliteFile schema(":memory:", TSqliteFile::ReadWrite);
    schema.Script(kSchemaSql);
    return schema.Column("SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name");
  }();
  return tables;
}

bool IsPlainName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  return name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

void SyncFile(const std::string& fileName) {
  int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
  bool ok = fd >= 0 && ::fsync(fd) == 0;
  int error = errno;
  if (fd >= 0) ::close(fd);
  if (!ok)
    throw std::runtime_error("자료 파일을 기록할 수 없습니다: " + fileName + " (" +
                             std::strerror(error) + ")");
}

[[noreturn]] void ReplaceFailed(const std::string& name, int error) {
  throw std::runtime_error("자료 파일을 바꿀 수 없습니다: " + name + " (" + std::strerror(error) +
                           ")");
}

}  // namespace

TDatabaseHold::TDatabaseHold(const std::string& fileName, bool mustRead) {
  std::error_code ec;
  exists_ = fs::exists(fileName, ec);
  if (!exists_) return;
  std::unique_ptr<TSqliteFile> file;
  try {
    file = std::make_unique<TSqliteFile>(fileName, TSqliteFile::ReadWrite, 1000);
    std::vector<std::string> mode = file->Column("PRAGMA main.journal_mode=DELETE");
    if (mode.empty() || !SameText(mode[0], "delete")) throw std::runtime_error(kInUse);
    // Exclusive locking keeps the read lock of the first read until the hold ends: others may
    // read, nobody else can write.
    file->Exec("PRAGMA main.locking_mode=EXCLUSIVE");
    file->Column("SELECT count(*) FROM main.sqlite_master");
  } catch (const TDataError& error) {
    int code = file ? file->LastError() & 0xFF : 0;
    if (code == SQLITE_BUSY || code == SQLITE_LOCKED) throw std::runtime_error(kInUse);
    if (mustRead)
      throw std::runtime_error("자료 파일을 읽을 수 없습니다: " + fileName + " (" + error.what() +
                               ")");
    return;
  }
  file_ = std::move(file);
}

void ExtractDatabase(const std::string& archive, const std::string& fileName,
                     const std::string& shownName) {
  std::vector<TZipEntry> entries;
  try {
    entries = ReadZipEntries(archive);
  } catch (const TZipError& error) {
    throw std::runtime_error("압축 파일을 읽을 수 없습니다: " + shownName + " (" + error.Reason() +
                             ")");
  }
  const TZipEntry* data = nullptr;
  for (const TZipEntry& entry : entries) {
    if (!IsPlainName(entry.Name) || entry.IsLink)
      throw std::runtime_error("압축 파일에 허용되지 않는 항목이 있습니다: " + entry.Name);
    if (!SameText(entry.Name, kDatabaseEntry)) continue;
    if (data != nullptr)
      throw std::runtime_error("압축 파일에 자료 파일(norva.db)이 두 개 있습니다: " + shownName);
    data = &entry;
  }
  if (data == nullptr)
    throw std::runtime_error(
        "압축 파일에 이 프로그램의 자료 파일(norva.db)이 없습니다. 이 프로그램에서 만든 백업이 "
        "아닙니다: " +
        shownName);
  const std::string folder = WithBackslash(fs::path(fileName).parent_path().string());
  const std::int64_t room = DiskFree(folder);
  if (room < 0) throw std::runtime_error("폴더를 읽을 수 없습니다: " + folder);
  if (data->Size > static_cast<std::uint64_t>(room))
    throw std::runtime_error("자료를 풀 공간이 부족합니다: norva.db " + std::to_string(data->Size) +
                             " 바이트, 남은 공간 " + std::to_string(room) + " 바이트");
  ExtractZipEntry(archive, *data, fileName);
}

void CheckDatabase(const std::string& fileName) {
  std::vector<std::string> tables;
  std::unique_ptr<TSqliteFile> file;
  try {
    file = std::make_unique<TSqliteFile>(fileName, TSqliteFile::ReadWrite);
    std::vector<std::string> result = file->Column("PRAGMA integrity_check");
    if (result.size() != 1 || result[0] != "ok")
      throw std::runtime_error("자료 파일이 손상되었습니다: " +
                               (result.empty() ? std::string() : result[0]));
    tables = file->Column("SELECT name FROM sqlite_master WHERE type = 'table'");
  } catch (const TDataError& error) {
    throw std::runtime_error("자료 파일을 열 수 없습니다: norva.db (" +
                             (file ? file->LastMessage() : std::string(error.what())) + ")");
  }
  for (const std::string& needed : ProgramTables()) {
    bool found = false;
    for (const std::string& table : tables) found = found || SameText(table, needed);
    if (!found) throw std::runtime_error("자료 파일에 필요한 표가 없습니다: " + needed);
  }
}

void PutDatabaseInPlace(const std::string& fileName, const std::string& keptSuffix) {
  const std::string db = DatabaseFileName();
  const std::string kept = db + keptSuffix;
  std::error_code ec;
  std::vector<std::string> moved;
  if (fs::exists(db, ec)) {
    // The previous database takes the kept name first (by a second link, or a copy where the
    // file system has no links), so that the database name is never missing.
    const std::string link = fileName + ".kept";
    fs::remove(link, ec);
    if (::link(db.c_str(), link.c_str()) != 0) {
      fs::copy_file(db, link, ec);
      if (ec)
        throw std::runtime_error("자료 파일을 바꿀 수 없습니다: " + kept + " (" + ec.message() +
                                 ")");
      SyncFile(link);
    }
    for (const char* sidecar : kSidecars) fs::remove(kept + sidecar, ec);
    if (std::rename(link.c_str(), kept.c_str()) != 0) ReplaceFailed(kept, errno);
    // What SQLite left beside the previous file belongs to it, never to the new one.
    for (const char* sidecar : kSidecars) {
      if (!fs::exists(db + sidecar, ec)) continue;
      if (std::rename((db + sidecar).c_str(), (kept + sidecar).c_str()) != 0) {
        int error = errno;
        for (const std::string& back : moved)
          std::rename((kept + back).c_str(), (db + back).c_str());
        ReplaceFailed(db + sidecar, error);
      }
      moved.push_back(sidecar);
    }
  }
  if (std::rename(fileName.c_str(), db.c_str()) != 0) {
    int error = errno;
    for (const std::string& back : moved) std::rename((kept + back).c_str(), (db + back).c_str());
    ReplaceFailed(db, error);
  }
  SyncFolder(DataDir);
}

void RemoveSwapLeftovers() {
  std::error_code ec;
  fs::directory_iterator it(DataDir, ec);
  if (ec) return;
  std::vector<fs::path> leftovers;
  for (; it != fs::directory_iterator(); it.increment(ec)) {
    if (ec) break;
    std::string name = it->path().filename().string();
    if (name.rfind(kSwapFolderPrefix, 0) == 0 && it->is_directory(ec)) leftovers.push_back(*it);
  }
  for (const fs::path& folder : leftovers) fs::remove_all(folder, ec);
}

}  // namespace selvane
