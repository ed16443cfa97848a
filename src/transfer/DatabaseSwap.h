// Replacing the database file as a whole, for the restore and the data reset. The new database
// is made in a scratch folder beside it, proven (it opens, its integrity check is "ok", the
// program's tables are there), and only then put in place by a rename; the previous file stays
// as norva.db + a suffix (".before-restore", ".before-reset") until the next operation of its
// kind succeeds. Every step throws std::runtime_error with a message for the user; until the
// rename the database in place is untouched.
#pragma once

#include <memory>
#include <string>

#include "core/SqliteFile.h"

namespace selvane {

// Said after the message of a failed restore or reset.
inline constexpr const char* kDataKept = "기존 자료는 그대로 있습니다.";

// The database in place, held for the time of an operation: taken out of WAL mode (which only
// the one connection to it may do, so another program that has it open makes this fail with a
// clear message), its -wal file thereby written back, and kept from being written by anyone else
// until the hold ends.
class TDatabaseHold {
 public:
  // mustRead: a file that is not a readable database throws (the reset needs its rows); else
  // such a file is simply not held (a restore may replace a damaged database). A missing file
  // is never an error.
  TDatabaseHold(const std::string& fileName, bool mustRead);

  bool Exists() const { return exists_; }
  // The open connection, or nullptr when the file is missing or was not readable.
  TSqliteFile* File() const { return file_.get(); }

 private:
  bool exists_ = false;
  std::unique_ptr<TSqliteFile> file_;
};

// Unpacks "norva.db" of the archive into fileName (a new file). Refused before anything is
// written: an archive that cannot be read, any entry whose name is not a plain file name (a
// folder, "..", an absolute path) or that is a link, an archive without "norva.db" (or with two),
// and a "norva.db" larger than the free room of the target's folder. Messages name the archive
// as shownName (the file the user chose).
void ExtractDatabase(const std::string& archive, const std::string& fileName,
                     const std::string& shownName);

// Proves a database file: it opens as SQLite, "PRAGMA integrity_check" answers "ok", and every
// table of the program's structure is there.
void CheckDatabase(const std::string& fileName);

// Puts the proven file in place of the database of the program folder; the previous database
// (if any) stays as norva.db + keptSuffix, replacing an earlier one of that name. The database
// name never goes missing in between. The file must lie in a scratch folder of the data folder.
void PutDatabaseInPlace(const std::string& fileName, const std::string& keptSuffix);

// The scratch folders that an operation cut short (a crash, a kill) left in the data folder.
void RemoveSwapLeftovers();
// The prefix of those folders.
inline constexpr const char* kSwapFolderPrefix = ".new-";

}  // namespace selvane
