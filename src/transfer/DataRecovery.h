// The restore ("자료 복구"): the database replaced by the one of a chosen backup, a single
// archive or a set of pieces read medium by medium.
#pragma once

#include <string>

namespace selvane {

// The file dialog of the restore.
inline constexpr const char* kRestoreDialogTitle = "백업 파일 선택";
inline constexpr const char* kRestoreDialogFilter =
    "펌뱅킹 백업 파일 (BB*.*)|BB*.*|일반 백업 파일 (BB*.zip)|BB*.zip|다중 백업 파일 "
    "(BB*.001)|BB*.001";

// Lets the user choose the backup file (the dialog opens in the program folder), then
// RestoreBackupFile. False without a message when the choice is cancelled.
bool RestoreData();

// Restores the backup file: a ".zip" is the whole archive; a ".001" is the first piece of a set,
// read on with ".002", ... and ".end" (on a removable medium one medium after the other, asking
// for each). The archive is checked and unpacked into a new file beside the database, which is
// proven and only then takes the database's place; the previous database stays as
// norva.db.before-restore. A cancel gives its message; a failure is a message that ends with
// kDataKept, and the database in place is unchanged. True when the database was replaced (the
// caller then runs the data reset).
bool RestoreBackupFile(const std::string& fileName);

}  // namespace selvane
