#include "Patch.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <set>
#include <vector>

#include "Upgrade.h"
#include "core/FileRoutines.h"

namespace selvane::autofetch {
namespace {

namespace fs = std::filesystem;

constexpr const char* kReplace = "replace ";
constexpr const char* kAdd = "add ";

bool Exists(const std::string& path) {
  std::error_code ec;
  return fs::symlink_status(path, ec).type() != fs::file_type::not_found;
}

void SyncFolder(const std::string& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

std::string Reason(const std::string& what) {
  return what + ": " + std::strerror(errno);
}

// The journal, appended a line at a time and synced after each.
class TJournal {
 public:
  bool Open(const std::string& fileName, std::string& error) {
    fd_ = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_APPEND | O_CLOEXEC, 0644);
    if (fd_ < 0) {
      error = Reason(fileName);
      return false;
    }
    SyncFolder(fs::path(fileName).parent_path().string());
    return true;
  }
  bool Add(const std::string& line) {
    const std::string text = line + "\n";
    return ::write(fd_, text.data(), text.size()) == ssize_t(text.size()) && ::fsync(fd_) == 0;
  }
  ~TJournal() {
    if (fd_ >= 0) ::close(fd_);
  }

 private:
  int fd_ = -1;
};

std::vector<std::string> JournalLines(const TUpgradeLayout& layout) {
  std::string text;
  std::vector<std::string> lines;
  if (!ReadWholeFile(layout.Journal(), text)) return lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) break;  // a line cut by the crash: its step was never taken
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

// Undoes the journal's steps, last first. False when a file could not be put back.
bool Undo(const TUpgradeLayout& layout, std::string& message) {
  const std::vector<std::string> lines = JournalLines(layout);
  bool ok = true;
  for (auto line = lines.rbegin(); line != lines.rend(); ++line) {
    const bool replaced = line->starts_with(kReplace);
    const std::string path = line->substr(replaced ? std::strlen(kReplace) : std::strlen(kAdd));
    if (!IsSafeRelativePath(path)) continue;
    const std::string target = layout.Root + path, backup = layout.Backup() + path;
    if (replaced) {
      if (Exists(backup) && std::rename(backup.c_str(), target.c_str()) != 0) {
        message += "; " + Reason("cannot put back " + path);
        ok = false;
      }
    } else if (Exists(target) && ::unlink(target.c_str()) != 0) {
      message += "; " + Reason("cannot remove " + path);
      ok = false;
    }
  }
  std::error_code ec;
  if (ok) {
    for (const std::string& line : lines) {
      const std::size_t blank = line.find(' ');
      if (blank != std::string::npos)
        SyncFolder(fs::path(layout.Root + line.substr(blank + 1)).parent_path().string());
    }
    fs::remove(layout.Journal(), ec);
  }
  fs::remove_all(layout.Staging(), ec);
  return ok;
}

}  // namespace

TApply ApplyStagedUpgrade(const TUpgradeLayout& layout, const std::string& publicKey,
                          std::string& message) {
  if (!Exists(layout.Staging() + kManifestName)) {
    message = "no update is staged";
    return TApply::NothingStaged;
  }
  TManifest manifest;
  std::error_code ec;
  if (!VerifyUpdateFolder(layout.Staging(), layout.AppCode, publicKey, manifest, message)) {
    fs::remove_all(layout.Staging(), ec);
    message = "the staged update is refused: " + message;
    return TApply::Refused;
  }
  fs::remove_all(layout.Backup(), ec);
  TJournal journal;
  if (ec || !fs::create_directories(layout.Backup(), ec) ||
      !journal.Open(layout.Journal(), message)) {
    if (message.empty()) message = layout.Backup() + ": " + ec.message();
    fs::remove(layout.Journal(), ec);
    return TApply::Failed;
  }

  std::set<std::string> folders;
  for (const TManifestFile& file : manifest.Files) {
    const std::string target = layout.Root + file.Path;
    const std::string staged = layout.Staging() + file.Path;
    const std::string backup = layout.Backup() + file.Path;
    const bool replacing = Exists(target);
    std::string failure;
    if (!journal.Add((replacing ? kReplace : kAdd) + file.Path)) {
      failure = Reason("the journal cannot be written");
    } else if (replacing) {
      fs::create_directories(fs::path(backup).parent_path(), ec);
      if (ec || std::rename(target.c_str(), backup.c_str()) != 0)
        failure = ec ? file.Path + ": " + ec.message() : Reason("cannot move aside " + file.Path);
    } else {
      fs::create_directories(fs::path(target).parent_path(), ec);
      if (ec) failure = file.Path + ": " + ec.message();
    }
    if (failure.empty() && std::rename(staged.c_str(), target.c_str()) != 0)
      failure = Reason("cannot put in place " + file.Path);
    if (!failure.empty()) {
      message = failure;
      return Undo(layout, message) ? TApply::RolledBack : TApply::RollbackFailed;
    }
    folders.insert(fs::path(target).parent_path().string());
  }
  for (const std::string& folder : folders) SyncFolder(folder);

  // Removing the journal is the point of no return; the record follows it, so that a crash in
  // between at worst fetches the same version once more.
  fs::remove(layout.Journal(), ec);
  SyncFolder(layout.Folder());
  fs::remove_all(layout.Staging(), ec);
  message = "version " + manifest.Version + " is in place";
  std::string error;
  if (!ReplaceFileAtomically(layout.Installed(), manifest.Version + "\n", error))
    message += "; the version cannot be recorded: " + error;
  return TApply::Applied;
}

bool RollBackInterruptedApply(const TUpgradeLayout& layout, std::string& message) {
  message = "an apply that broke off is rolled back";
  return Undo(layout, message);
}

}  // namespace selvane::autofetch
