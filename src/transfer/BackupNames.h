// Names of the backup files: "BB" + the backup's date as yymmdd, then ".zip" for a whole
// archive, ".001", ".002", ... for the pieces of a set on removable media and ".end" for its last
// piece.
#pragma once

#include <string>

#include "core/Date.h"

namespace selvane {

// "BB" + yymmdd of the date.
std::string BackupBaseName(const TDate& date);
// ".001" for piece 1: three digits with leading zeros.
std::string PieceExtension(int piece);

// Is the file name (a folder in front is ignored), in upper case, 12 characters long, "BB",
// six decimal digits, then ".ZIP" or ".001"?
bool IsBackupFileName(const std::string& fileName);

}  // namespace selvane
