#include "transfer/DataRecovery.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <stdexcept>
#include <vector>

#include "core/FileChooser.h"
#include "core/FileRoutines.h"
#include "core/Globals.h"
#include "core/ScratchFolder.h"
#include "core/TextRoutines.h"
#include "core/WaitMsg.h"
#include "transfer/BackupMedia.h"
#include "transfer/BackupNames.h"
#include "transfer/DatabaseSwap.h"

namespace selvane {
namespace fs = std::filesystem;
namespace {

constexpr const char* kBadName = "백업 파일의 형식이 올바르지 않습니다.";
constexpr const char* kCannotRead =
    "자료를 읽을수가 없습니다.\r파일 또는 디스크에 이상이 있는지 확인하여 주십시오.";
constexpr const char* kCancelled = "자료 복구 작업이 취소되었습니다.";
constexpr const char* kPieceMissing = "자료를 읽을 수 없습니다.";
constexpr const char* kNextMedium = "다음 디스켓을 넣으십시오.";

enum class TOutcome { Done, Cancelled };

// A backup file that cannot be read whole.
class TUnreadable : public std::runtime_error {
 public:
  TUnreadable() : std::runtime_error(kCannotRead) {}
};

std::string WithKept(const std::string& message) {
  return message + "\r\r" + kDataKept;
}

// The file of that name in the folder, letter case ignored (a medium written elsewhere may show
// its names in either case); empty when there is none.
std::string FindFile(const std::string& folder, const std::string& name) {
  std::error_code ec;
  if (fs::is_regular_file(folder + name, ec)) return folder + name;
  std::vector<std::string> list;
  ListFiles(folder, name, list);
  return list.empty() ? std::string() : folder + list.front();
}

// Appends the whole file to out.
void AppendFile(const std::string& fileName, int out) {
  int in = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) throw TUnreadable();
  bool ok = true;
  char buffer[65536];
  for (;;) {
    ssize_t n = ::read(in, buffer, sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      ok = n == 0;
      break;
    }
    for (ssize_t done = 0; ok && done < n;) {
      ssize_t written = ::write(out, buffer + done, static_cast<std::size_t>(n - done));
      if (written < 0 && errno == EINTR) continue;
      ok = written > 0;
      if (ok) done += written;
    }
    if (!ok) break;
  }
  ::close(in);
  if (!ok) throw TUnreadable();
}

// The pieces of a set on a removable medium, one medium after the other.
TOutcome ReadMediumPieces(const std::string& folder, const std::string& stem, int out) {
  std::string end;
  for (int piece = 1; end.empty(); ++piece) {
    std::string found;
    while ((found = FindFile(folder, stem + PieceExtension(piece))).empty())
      if (AskBox(kPieceMissing, mbOK | mbCancel) != mrOk) return TOutcome::Cancelled;
    AppendFile(found, out);
    std::error_code ec;
    while (fs::exists(found, ec))  // the same medium is still in the drive
      if (AskBox(kNextMedium, mbOK | mbCancel) != mrOk) return TOutcome::Cancelled;
    end = FindFile(folder, stem + ".end");
  }
  AppendFile(end, out);
  return TOutcome::Done;
}

// The pieces of a set copied together into one folder of the hard disk.
void JoinFolderPieces(const std::string& folder, const std::string& stem, int out) {
  int piece = 1;
  for (std::string found; !(found = FindFile(folder, stem + PieceExtension(piece))).empty();
       ++piece)
    AppendFile(found, out);
  std::string end = FindFile(folder, stem + ".end");
  if (piece == 1 || end.empty()) throw TUnreadable();
  AppendFile(end, out);
}

// Unpacks the archive beside the database, proves it and puts it in place.
void InstallArchive(const std::string& archive, const std::string& chosen) {
  ShowWait("압축을 해제하고 있습니다");
  RemoveSwapLeftovers();
  TScratchFolder fresh(DataDir, kSwapFolderPrefix);
  const std::string file = fresh.Path() + "norva.db";
  ExtractDatabase(archive, file, chosen);
  CheckDatabase(file);
  TDatabaseHold hold(DatabaseFileName(), false);
  PutDatabaseInPlace(file, ".before-restore");
}

TOutcome RunRestore(const TBackupPlace& place, const std::string& name, const std::string& chosen) {
  const std::string stem = name.substr(0, 8);
  const bool pieces = name.substr(8) == ".001";
  TScratchFolder work(ExeDir, ".restore-");
  std::string archive = work.Path() + "archive.zip";
  if (!pieces && !place.Removable()) {
    archive = FindFile(place.Folder, name);
    if (archive.empty()) throw TUnreadable();
  } else {
    int out = ::open(archive.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (out < 0) throw std::runtime_error("압축 파일을 만들 수 없습니다: " + archive);
    TOutcome outcome = TOutcome::Done;
    try {
      if (!pieces) {
        std::string source = FindFile(place.Folder, name);
        if (source.empty()) throw TUnreadable();
        AppendFile(source, out);
      } else {
        ShowWait("자료를 읽어 들이고 있습니다");
        if (place.Removable())
          outcome = ReadMediumPieces(place.Folder, stem, out);
        else
          JoinFolderPieces(place.Folder, stem, out);
      }
    } catch (...) {
      ::close(out);
      throw;
    }
    if (::close(out) != 0) throw TUnreadable();
    if (outcome == TOutcome::Cancelled) return outcome;
  }
  InstallArchive(archive, chosen);
  return TOutcome::Done;
}

}  // namespace

bool RestoreData() {
  std::optional<std::string> chosen =
      ChooseOpenFile(kRestoreDialogTitle, ExeDir, kRestoreDialogFilter);
  if (!chosen || chosen->empty()) return false;
  return RestoreBackupFile(*chosen);
}

bool RestoreBackupFile(const std::string& fileName) {
  // "A:\\BB020915.001" names the medium in drive A the way the old program wrote it.
  std::string written = fileName;
  if (written.size() >= 2 && (written[0] == 'A' || written[0] == 'B') && written[1] == ':')
    for (char& c : written)
      if (c == '\\') c = '/';
  const fs::path path(written);
  const std::string name = path.filename().string();
  if (!IsBackupFileName(name)) {
    InfoBox(WithKept(kBadName));
    return false;
  }
  const TBackupPlace place =
      ResolveBackupPlace(path.has_parent_path() ? path.parent_path().string() + "/" : "./");
  if (place.Removable() && place.Folder.empty()) {
    ErrorBox(WithKept(MountNotSetMessage(place)));
    return false;
  }
  TOutcome outcome;
  try {
    // The temporary archive is gone when it returns or throws.
    outcome = RunRestore(place, name, fileName);
  } catch (const TUnreadable& error) {
    InfoBox(WithKept(error.what()));
    return false;
  } catch (const std::exception& error) {
    ErrorBox(WithKept(error.what()));
    return false;
  }
  if (outcome == TOutcome::Cancelled) {
    InfoBox(kCancelled);
    return false;
  }
  return true;
}

}  // namespace selvane
