// Where a backup goes to or comes from. "A" and "B" stand for two removable media (once diskette
// drives) whose mount folders are the settings A and B of section "Drives" of SELVANE.ini, for
// example a USB stick's mount point; every other folder is on the hard disk.
#pragma once

#include <string>

namespace selvane {

enum class TDriveKind { HardDisk, DriveA, DriveB };

struct TBackupPlace {
  TDriveKind Kind = TDriveKind::HardDisk;
  // The folder to write or read, ending with the separator; empty for a removable medium whose
  // mount folder is not set.
  std::string Folder;
  bool Removable() const { return Kind != TDriveKind::HardDisk; }
};

// The place of a folder. A folder written "A", "A:" or "A:" + a path inside the medium (only the
// upper-case letters count) is that medium, with the path taken inside its mount folder; so is
// the mount folder itself or a folder inside it. Anything else is the hard disk.
TBackupPlace ResolveBackupPlace(const std::string& folder);

// The message for a removable medium whose mount folder is not set.
std::string MountNotSetMessage(const TBackupPlace& place);

}  // namespace selvane
