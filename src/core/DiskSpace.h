// The free room of the medium that holds a folder. Backups ask it before writing a piece to a
// removable medium, restores before unpacking; tests replace the probe to give a medium of any
// size, or none.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace selvane {

// Free bytes for an ordinary user on the file system of the folder; -1 when the folder is
// missing or cannot be read (no medium in the drive).
using TDiskFreeProbe = std::function<std::int64_t(const std::string& folder)>;

// Installs the probe; an empty one returns to SystemDiskFree.
void SetDiskFreeProbe(TDiskFreeProbe probe);

std::int64_t DiskFree(const std::string& folder);
// The file system's own answer (statvfs).
std::int64_t SystemDiskFree(const std::string& folder);

}  // namespace selvane
