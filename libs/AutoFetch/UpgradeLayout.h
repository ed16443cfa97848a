// Where an upgrade lives beside the program. The install folder is the folder above the one of
// the program file (the program at ROOT/bin/selvane, its components at ROOT/lib/); every path of
// a manifest is relative to it. Below it, upgrade/<appCode>/ holds:
//   new/        the staged update: its files under their paths, then manifest and manifest.sig
//   old/        the files the last apply replaced, for its rollback
//   journal     the steps of an apply in progress; present only while one runs (or broke off)
//   installed   the version the last apply brought
//   patchrun.log one line per run of the launcher
#pragma once

#include <string>

namespace selvane::autofetch {

inline constexpr const char* kManifestName = "manifest";
inline constexpr const char* kSignatureName = "manifest.sig";

struct TUpgradeLayout {
  TUpgradeLayout(std::string installRoot, std::string appCode);

  std::string Root;  // ends with "/"
  std::string AppCode;

  std::string Folder() const { return Root + "upgrade/" + AppCode + "/"; }
  std::string Staging() const { return Folder() + "new/"; }
  std::string Backup() const { return Folder() + "old/"; }
  std::string Journal() const { return Folder() + "journal"; }
  std::string Installed() const { return Folder() + "installed"; }
  std::string Log() const { return Folder() + "patchrun.log"; }
};

// The running program file (/proc/self/exe).
std::string RunningProgramFile();
// The install folder of a program file: the folder above its own, ending with "/".
std::string InstallRootOf(const std::string& programFile);

// The version the last apply recorded; empty when none.
std::string InstalledVersion(const TUpgradeLayout& layout);

// Writes bytes to fileName and syncs it; false with the reason (the file may then be partly
// written and is removed).
bool WriteSyncedFile(const std::string& fileName, const std::string& bytes, std::string& error);

}  // namespace selvane::autofetch
