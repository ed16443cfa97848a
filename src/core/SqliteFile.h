// A plain SQLite connection to one database file, for work on the file as a whole outside the
// data module: the consistent copy of a backup, the checks of a restored file, the row copy of a
// data reset. Every failure throws TDataError with SQLite's reason; a busy database is the
// "database is busy" error of the data module.
#pragma once

#include <string>
#include <vector>

#include "core/Database.h"

namespace selvane {

class TSqliteFile {
 public:
  enum TMode { ReadOnly, ReadWrite };

  // Opens an existing file (never creates one; ":memory:" is a database in memory); waits up to
  // busyMs for a lock.
  TSqliteFile(const std::string& fileName, TMode mode, int busyMs = 3000);
  ~TSqliteFile();
  TSqliteFile(const TSqliteFile&) = delete;
  TSqliteFile& operator=(const TSqliteFile&) = delete;

  // Runs one statement with text parameters ?1, ?2, ...; the first column of every row as text
  // (NULL as the empty text).
  std::vector<std::string> Column(const std::string& sql,
                                  const std::vector<std::string>& params = {});
  void Exec(const std::string& sql, const std::vector<std::string>& params = {}) {
    Column(sql, params);
  }
  // Runs statements without parameters (a schema).
  void Script(const std::string& sql);
  // The SQLite result code of the last failure (0 before any).
  int LastError() const { return lastError_; }
  // SQLite's text for it.
  const std::string& LastMessage() const { return lastMessage_; }
  const std::string& FileName() const { return fileName_; }

 private:
  sqlite3* db_ = nullptr;
  std::string fileName_;
  int lastError_ = 0;
  std::string lastMessage_;
};

// A name quoted as an SQL identifier.
std::string QuoteName(const std::string& name);

}  // namespace selvane
