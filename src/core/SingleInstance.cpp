#include "core/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "core/TextRoutines.h"

namespace selvane {

std::string RuntimeFolder() {
  const char* env = std::getenv("XDG_RUNTIME_DIR");
  if (env != nullptr && *env != '\0') return WithBackslash(env);
  std::error_code ec;
  std::filesystem::path base = std::filesystem::temp_directory_path(ec);
  if (ec) base = "/tmp";
  std::string folder = (base / ("selvane-runtime-" + std::to_string(getuid()))).string();
  ::mkdir(folder.c_str(), 0700);
  return WithBackslash(folder);
}

TSingleInstanceLock::~TSingleInstanceLock() {
  Release();
}

bool TSingleInstanceLock::Acquire(const std::string& name) {
  Release();
  const std::string fileName = RuntimeFolder() + name + ".lock";
  int fd = ::open(fileName.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return true;
  while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EINTR) continue;
    bool taken = errno == EWOULDBLOCK;
    ::close(fd);
    return !taken;
  }
  fd_ = fd;
  return true;
}

void TSingleInstanceLock::Release() {
  if (fd_ < 0) return;
  ::close(fd_);  // closing the only descriptor drops the lock
  fd_ = -1;
}

}  // namespace selvane
