#include "UpgradeLayout.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "core/FileRoutines.h"
#include "core/TextRoutines.h"

namespace selvane::autofetch {

namespace fs = std::filesystem;

TUpgradeLayout::TUpgradeLayout(std::string installRoot, std::string appCode)
    : Root(WithBackslash(installRoot)), AppCode(std::move(appCode)) {}

std::string RunningProgramFile() {
  std::error_code ec;
  return fs::read_symlink("/proc/self/exe", ec).string();
}

std::string InstallRootOf(const std::string& programFile) {
  return WithBackslash(fs::path(programFile).parent_path().parent_path().string());
}

std::string InstalledVersion(const TUpgradeLayout& layout) {
  std::string text;
  if (!ReadWholeFile(layout.Installed(), text)) return "";
  return Trim(text);
}

bool WriteSyncedFile(const std::string& fileName, const std::string& bytes, std::string& error) {
  const int fd = ::open(fileName.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) {
    error = fileName + ": " + std::strerror(errno);
    return false;
  }
  std::size_t done = 0;
  bool ok = true;
  while (ok && done < bytes.size()) {
    const ssize_t wrote = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (wrote < 0 && errno == EINTR) continue;
    ok = wrote > 0;
    if (ok) done += std::size_t(wrote);
  }
  ok = ok && ::fsync(fd) == 0;
  ok = ::close(fd) == 0 && ok;
  if (!ok) {
    error = fileName + ": " + std::strerror(errno != 0 ? errno : EIO);
    ::unlink(fileName.c_str());
  }
  return ok;
}

}  // namespace selvane::autofetch
