#include "core/DiskSpace.h"

#include <sys/statvfs.h>

#include <filesystem>

namespace selvane {
namespace {

TDiskFreeProbe& Probe() {
  static TDiskFreeProbe probe;
  return probe;
}

}  // namespace

void SetDiskFreeProbe(TDiskFreeProbe probe) {
  Probe() = std::move(probe);
}

std::int64_t DiskFree(const std::string& folder) {
  return Probe() ? Probe()(folder) : SystemDiskFree(folder);
}

std::int64_t SystemDiskFree(const std::string& folder) {
  std::error_code ec;
  if (!std::filesystem::is_directory(folder, ec)) return -1;
  struct statvfs info {};
  if (::statvfs(folder.c_str(), &info) != 0) return -1;
  return static_cast<std::int64_t>(info.f_bavail) * static_cast<std::int64_t>(info.f_frsize);
}

}  // namespace selvane
