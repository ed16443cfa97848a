#include "transfer/DataBackup.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <stdexcept>

#include "core/Clock.h"
#include "core/DiskSpace.h"
#include "core/FileChooser.h"
#include "core/FileRoutines.h"
#include "core/Globals.h"
#include "core/ScratchFolder.h"
#include "core/SqliteFile.h"
#include "core/TextRoutines.h"
#include "core/WaitMsg.h"
#include "core/ZipArchive.h"
#include "transfer/BackupMedia.h"
#include "transfer/BackupNames.h"

namespace selvane {
namespace fs = std::filesystem;
namespace {

constexpr const char* kCancelled = "자료 백업 처리가 취소되었습니다.";
constexpr const char* kNoMedium = "디스켓을 넣어 주십시오.";
constexpr const char* kMediumFull =
    "디스켓의 여유 공간이 부족합니다.\r\r다른 디스켓을 넣어 주십시오.";

enum class TOutcome { Done, Cancelled };

class TFile {
 public:
  explicit TFile(int fd) : fd_(fd) {}
  ~TFile() {
    if (fd_ >= 0) ::close(fd_);
  }
  TFile(const TFile&) = delete;
  TFile& operator=(const TFile&) = delete;
  int Fd() const { return fd_; }
  // Closes now; false with errno set when the close reports an error.
  bool Close() {
    int fd = fd_;
    fd_ = -1;
    return ::close(fd) == 0;
  }

 private:
  int fd_;
};

std::int64_t FileSize(const std::string& fileName) {
  struct stat info {};
  if (::stat(fileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return -1;
  return info.st_size;
}

[[noreturn]] void WriteFailed(const std::string& shown, const std::string& reason) {
  throw std::runtime_error("파일 " + shown + "에 기록할 수 없습니다.\r\r" + reason);
}

// A consistent copy of the database, also while another program has it open; a new file
// readable by its owner only.
void Snapshot(const std::string& target) {
  const std::string source = DatabaseFileName();
  if (FileSize(source) < 0) throw std::runtime_error("데이터베이스 파일이 없습니다: " + source);
  TFile placeholder(::open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600));
  if (placeholder.Fd() < 0) WriteFailed(target, std::strerror(errno));
  placeholder.Close();
  try {
    // Read-write, though it only reads: the last connection to close tidies the -wal file away.
    TSqliteFile database(source, TSqliteFile::ReadWrite);
    database.Exec("VACUUM INTO ?1", {target});
  } catch (const std::exception& error) {
    throw std::runtime_error(std::string("자료를 복사할 수 없습니다: ") + error.what());
  }
}

// Creates (or empties) the file, mode 0600, asking again while it cannot be created; -1 when
// the user cancels.
int CreateTarget(const std::string& shown, const std::string& path, bool removable) {
  for (;;) {
    int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd >= 0) {
      ::fchmod(fd, 0600);  // an existing file keeps its mode otherwise
      return fd;
    }
    std::string text =
        "파일 " + shown + "를 생성할 수 없습니다.\r\r" +
        (removable ? "디스켓이 기록 가능한 상태인지 확인하여 주십시오." : "확인하여 주십시오.");
    if (AskBox(text, mbOK | mbCancel) != mrOk) return -1;
  }
}

// Writes the next count bytes of the archive into the file and syncs it. A failed write removes
// the file and throws.
TOutcome WriteTarget(int archive, std::int64_t count, const std::string& shown,
                     const std::string& path, bool removable) {
  TFile out(CreateTarget(shown, path, removable));
  if (out.Fd() < 0) return TOutcome::Cancelled;
  std::string reason;
  char buffer[65536];
  while (count > 0 && reason.empty()) {
    ssize_t n = ::read(archive, buffer,
                       static_cast<std::size_t>(std::min<std::int64_t>(
                           count, static_cast<std::int64_t>(sizeof buffer))));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      reason = n < 0 ? std::strerror(errno) : "압축 파일이 예상보다 짧습니다";
      break;
    }
    for (ssize_t done = 0; done < n && reason.empty();) {
      ssize_t written = ::write(out.Fd(), buffer + done, static_cast<std::size_t>(n - done));
      if (written < 0 && errno == EINTR) continue;
      if (written <= 0)
        reason = std::strerror(written < 0 ? errno : ENOSPC);
      else
        done += written;
    }
    count -= n;
  }
  if (reason.empty() && ::fsync(out.Fd()) != 0) reason = std::strerror(errno);
  if (!out.Close() && reason.empty()) reason = std::strerror(errno);
  if (!reason.empty()) {
    ::unlink(path.c_str());
    WriteFailed(shown, reason);
  }
  return TOutcome::Done;
}

void RenameTarget(const std::string& from, const std::string& to) {
  if (std::rename(from.c_str(), to.c_str()) != 0)
    throw std::runtime_error("파일 " + from + "의 이름을 " + to + "(으)로 바꿀 수 없습니다.\r\r" +
                             std::strerror(errno));
}

// The whole archive into the folder; an earlier backup of that name stays until the new one is
// complete.
TOutcome WriteWhole(int archive, std::int64_t size, const std::string& folder,
                    const std::string& base) {
  const std::string target = folder + base + ".zip";
  const std::string part = target + ".new";
  if (WriteTarget(archive, size, target, part, false) == TOutcome::Cancelled)
    return TOutcome::Cancelled;
  RenameTarget(part, target);
  SyncFolder(folder);
  return TOutcome::Done;
}

// The room for a piece: the medium's free bytes and the piece file it replaces; -1 without a
// medium. For the first piece a same-day ".zip" (without a ".001" beside it) gives its room too:
// it is deleted now.
std::int64_t PieceRoom(const std::string& folder, const std::string& piece, bool first,
                       const std::string& whole) {
  std::int64_t free = DiskFree(folder);
  if (free < 0) return -1;
  std::int64_t room = free + std::max<std::int64_t>(FileSize(piece), 0);
  std::int64_t wholeSize = FileSize(whole);
  if (first && FileSize(piece) < 0 && wholeSize >= 0 && ::unlink(whole.c_str()) == 0)
    room += wholeSize;
  return room;
}

TOutcome WritePieces(int archive, std::int64_t size, const std::string& folder,
                     const std::string& base) {
  const std::string whole = folder + base + ".zip";
  int piece = 1;
  std::string last;
  for (std::int64_t remaining = size; remaining > 0; ++piece) {
    const std::string name = folder + base + PieceExtension(piece);
    std::int64_t room = PieceRoom(folder, name, piece == 1, whole);
    while (room <= 0) {
      if (AskBox(room < 0 ? kNoMedium : kMediumFull, mbOK | mbCancel) != mrOk)
        return TOutcome::Cancelled;
      room = PieceRoom(folder, name, piece == 1, whole);
    }
    std::int64_t count = std::min(room, remaining);
    if (WriteTarget(archive, count, name, name, true) == TOutcome::Cancelled)
      return TOutcome::Cancelled;
    remaining -= count;
    last = name;
  }
  RenameTarget(last, piece == 2 ? whole : folder + base + ".end");
  SyncFolder(folder);
  return TOutcome::Done;
}

TOutcome RunBackup(const TBackupPlace& place) {
  const std::string base = BackupBaseName(Today());
  TScratchFolder work(ExeDir, ".backup-");
  ShowWait("자료 압축 처리중...");
  const std::string snapshot = work.Path() + "norva.db";
  Snapshot(snapshot);
  const std::string archive = work.Path() + "archive.zip";
  ZipFiles(archive, {snapshot});
  ShowWait("압축된 자료를 저장하고 있습니다");
  TFile in(::open(archive.c_str(), O_RDONLY | O_CLOEXEC));
  std::int64_t size = FileSize(archive);
  if (in.Fd() < 0 || size <= 0)
    throw std::runtime_error("압축 파일을 읽을 수 없습니다: " + archive);
  return place.Removable() ? WritePieces(in.Fd(), size, place.Folder, base)
                           : WriteWhole(in.Fd(), size, place.Folder, base);
}

}  // namespace

bool BackupData(const std::string& targetFolder) {
  std::string target = Trim(targetFolder);
  if (target.empty()) {
    std::optional<std::string> chosen = ChooseFolder("자료를 저장할 폴더 선택");
    if (!chosen || Trim(*chosen).empty()) return false;
    target = WithBackslash(*chosen);
  }
  ShowWait("자료 백업을 준비중입니다");
  const TBackupPlace place = ResolveBackupPlace(target);
  if (place.Removable() && place.Folder.empty()) {
    ErrorBox(MountNotSetMessage(place));
    return false;
  }
  TOutcome outcome;
  try {
    outcome = RunBackup(place);  // the temporary files are gone when it returns or throws
  } catch (const std::exception& error) {
    ErrorBox(error.what());
    return false;
  }
  if (outcome == TOutcome::Cancelled) {
    InfoBox(kCancelled);
    return false;
  }
  return true;
}

}  // namespace selvane
